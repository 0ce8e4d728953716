// TCalculadora: the panels of the window and their places. The window is
// laid out at its smallest size; when it grows, the tape grows with it, while
// the keys and the tool buttons keep their distances to the right and bottom
// edges.

#include "calculator/calculadora.h"
#include "calculator/clipboardcommands.h"
#include "calculator/commandtable.h"
#include "calculator/entrydisplay.h"
#include "calculator/keylook.h"
#include "calculator/keypad.h"
#include "calculator/memorykeys.h"
#include "calculator/optionsmenu.h"
#include "calculator/savestatusbar.h"
#include "calculator/searchpanel.h"
#include "calculator/settingskeeper.h"
#include "calculator/tapefilecommands.h"
#include "calculator/tapetabs.h"
#include "calculator/tapeview.h"
#include "calculator/taxpanel.h"
#include "calculator/taxsettings.h"
#include "calculator/toolbuttons.h"
#include "controls/button/botopetit.h"
#include "controls/grid/gridex.h"
#include "controls/panel/panelex.h"
#include "controls/platform/anchors.h"
#include "controls/platform/fonts.h"

namespace {

constexpr int kClientWidth = 312;
// The band of memory keys over the display makes the window this much taller
// than the adding machine it was: the tape takes the height the band adds.
constexpr int kMemoryBand = 26;
constexpr int kClientHeight = 350 + kMemoryBand;
constexpr int kKeypadSideWidth = 145;
constexpr int kPaperSideWidth = kClientWidth - kKeypadSideWidth;
constexpr int kPaperTop = 41;
constexpr int kPaperHeight = 254 + kMemoryBand;
constexpr int kToolPanelHeight = 55;

constexpr TColor kSubtotalColour = RGBColor(255, 255, 128);

TPanelEx* NumberDisplay(QWidget* parent, const char* name, QRect place, TColor background,
                        int points, const QString& accessibleName) {
    TPanelEx* display = NewPanel(parent, name, place);
    MakeNumberDisplay(display, background, points);
    display->setAccessibleName(accessibleName);
    return display;
}

// The interest key, in a panel of its own under the tax keys.
TBotoPetit* AddInterestKey(QWidget* keypadSide) {
    TPanelEx* panel = NewPanel(keypadSide, "PanelEx1", QRect(5, 318 + kMemoryBand, 136, 27));
    const TCommand& command = Command(TCommandId::Interest);
    auto* button = new TBotoPetit(panel);
    button->setObjectName(QString::fromLatin1(command.name));
    button->setGeometry(5, 3, 126, 20);
    button->SetCaption(CommandCaption(command).toStdString());
    button->SetHint(CommandText(command).toStdString());
    button->SetFontColor(clNavy);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

// The keys keep to the bottom right corner, the exit button to the top right
// one, the tool buttons to the right of their panel.
void Anchor(QWidget* whole, QWidget* paperSide, QWidget* keypadSide, QWidget* paper, QWidget* tools,
            QWidget* exit) {
    SetAnchors(whole, kAnchoredAll);
    SetAnchors(paperSide, kAnchoredAll);
    SetAnchors(keypadSide, akTop | akRight | akBottom);
    for (QWidget* part : keypadSide->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        SetAnchors(part, akRight | akBottom);
    SetAnchors(exit, akTop | akRight);
    SetAnchors(paper, kAnchoredAll);
    SetAnchors(tools, akLeft | akRight | akBottom);
    for (QWidget* button : tools->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        SetAnchors(button, akRight | akBottom);
}

}  // namespace

// The paper side first, then the keypad side: the order of the controls is
// the order the focus and assistive technology walk them in.
void TCalculadora::BuildLayout() {
    setObjectName(QStringLiteral("Calculadora"));
    setFont(FormFont());
    setMinimumSize(kClientWidth, kClientHeight);
    resize(kClientWidth, kClientHeight);

    TPanelEx* whole = NewPanel(this, "PanelCalculadora", rect());
    whole->SetBevelOuter(bvNone);
    TPanelEx* paperSide =
        NewPanel(whole, "PanelPaper", QRect(0, 0, kPaperSideWidth, kClientHeight));
    TPanelEx* subtotal = NumberDisplay(paperSide, "cSubtotal", QRect(5, 6, 116, 25),
                                       kSubtotalColour, 10, tr("Subtotal"));
    TBotoPetit* exit = TToolButtons::NewButton(paperSide, TCommandId::Exit, QPoint(140, 7));
    exit->SetResBitmap("SORTIR");
    auto* paper = new TGridEx(paperSide);
    paper->setObjectName(QStringLiteral("Paper"));
    paper->setGeometry(0, kPaperTop, kPaperSideWidth, kPaperHeight);
    paper->setAccessibleName(tr("Paper"));
    auto* tools = new TToolButtons(
        paperSide, QRect(0, kClientHeight - kToolPanelHeight, kPaperSideWidth, kToolPanelHeight));
    auto* saveStatus = new TSaveStatusBar(paper);
    tabs_ = new TTapeTabs(paper, *tapes_);

    TPanelEx* keypadSide =
        NewPanel(whole, "PanelTeclat", QRect(kPaperSideWidth, 0, kKeypadSideWidth, kClientHeight));
    auto* memoryKeys = new TMemoryKeys(keypadSide, QRect(5, 5, 136, 22));
    TPanelEx* number = NumberDisplay(keypadSide, "CNumero", QRect(5, 5 + kMemoryBand, 136, 26),
                                     clWhite, 11, tr("Número"));
    number->SetEditable(true);
    auto* keypad = new TKeypad(keypadSide, QRect(5, 35 + kMemoryBand, 136, 136));
    TTapeEngine& engine = tapes_->Current();
    tax_ = new TTaxPanel(keypadSide, QRect(5, 175 + kMemoryBand, 136, 141), engine, *taxSettings_);
    TBotoPetit* interest = AddInterestKey(keypadSide);

    view_ = std::make_unique<TTapeView>(*paper, engine);
    display_ = new TEntryDisplay(*number, *subtotal, engine);
    files_ = std::make_unique<TTapeFileCommands>(this, paper, engine);
    clipboard_ = std::make_unique<TClipboardCommands>(engine, *files_);
    menu_ = new TOptionsMenu(this, files_->ArchiveMenu());
    // Last, so that it lies over every other control when it opens.
    auto* search = new TSearchPanel(this, files_->Archive());
    context_ = std::make_unique<TCommandContext>(TCommandContext{
        *this, *tapes_, *view_, *display_, *tax_, *clipboard_, *files_, *menu_, *search});
    Anchor(whole, paperSide, keypadSide, paper, tools, exit);

    // Every control plays its command the way its key does. The tool buttons
    // give the tape the focus after their command, except the options button,
    // whose menu gives it back when it closes.
    const auto run = [this](TCommandId command) { Run(command); };
    connect(keypad, &TKeypad::Triggered, this, run);
    connect(memoryKeys, &TMemoryKeys::Triggered, this, run);
    connect(tax_, &TTaxPanel::Triggered, this, run);
    connect(menu_, &TOptionsMenu::Triggered, this, run);
    connect(tools, &TToolButtons::Triggered, this, [this](TCommandId command) {
        if (Run(command) && command != TCommandId::Options) FocusTape();
    });
    exit->OnClick = [this](TBotoPetit*) { Run(TCommandId::Exit); };
    interest->OnClick = [this](TBotoPetit*) { Run(TCommandId::Interest); };
    connect(tapes_.get(), &TTapeSet::FailureChanged, saveStatus, &TSaveStatusBar::ShowFailure);
}
