// TCalculadora: creation of the window, its end, and the commands of the
// window itself (exit, the options menu, the interest window).

#include "calculator/calculadora.h"

#include <QApplication>
#include <QCloseEvent>

#include "basic/dates.h"
#include "basic/platformerror.h"
#include "basic/translation.h"
#include "calculator/clipboardcommands.h"
#include "calculator/commandtable.h"
#include "calculator/entrydisplay.h"
#include "calculator/optionsmenu.h"
#include "calculator/searchpanel.h"
#include "calculator/settingskeeper.h"
#include "calculator/tapefilecommands.h"
#include "calculator/tapeview.h"
#include "calculator/taxpanel.h"
#include "calculator/taxsettings.h"
#include "controls/grid/gridex.h"
#include "controls/platform/bitmapresources.h"
#include "controls/platform/eventguard.h"
#include "controls/platform/keyboard.h"
#include "controls/platform/messagebox.h"
#include "exchange/droptarget.h"
#include "interest/interes.h"
#include "tape/tapeengine.h"

namespace {

// The caption: this title line, then the year.
constexpr const char* kTitleLine =
    QT_TRANSLATE_NOOP("TCalculadora", "Zentabo - Tarvik - Calculadora ");

}  // namespace

TCalculadora::TCalculadora(QWidget* parent)
    : QWidget(parent, Qt::Window),
      taxSettings_(std::make_unique<TTaxSettings>()),
      tapes_(std::make_unique<TTapeSet>(SettingsFileName(false), TTapeSet::DefaultFolder(),
                                        [this] { return CurrentSettings(); })) {
    BuildLayout();
    WireEvents();
    FormCreate();
}

// The window and its panels stop hearing the application's focus moves and
// keys before Qt takes its controls down.
TCalculadora::~TCalculadora() {
    QObject::disconnect(qApp, nullptr, this, nullptr);
    QObject::disconnect(qApp, nullptr, tax_, nullptr);
    qApp->removeEventFilter(this);
    // The search lets go of the tape before the engine goes.
    context_->search.Close();
    FormDestroy();
}

TGridEx& TCalculadora::Paper() const {
    return view_->Paper();
}

// What the command changed is kept on disk once it is over.
bool TCalculadora::Run(TCommandId command) {
    const bool done = RunGuarded(this, [this, command] { Command(command).run(*context_); });
    tapes_->Changed();
    return done;
}

// In order: the window's look, the drop target, the caption, then the
// settings and tape file. The options start at their start values (those
// of TTapeOptions); the rate list is filled when it first opens.
void TCalculadora::FormCreate() {
    // A window of its own on the task bar, with a maximise and a close box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(IconFromBitmapResource("CalculadoraBis", 2));

    dropTarget_ = new TDropTarget(this);
    dropTarget_->AddLines = [this](const TArrayCadena& lines) {
        clipboard_->AddLinesToTape(lines);
    };
    dropTarget_->ShowMessage = [this](const std::string& text, const std::string& caption,
                                      TMessageBoxKind kind) {
        return ShowMessageBox(this, text, caption, kind);
    };
    dropTarget_->ReportError = [this](const std::exception& error) { ShowError(this, error); };
    dropTarget_->Register(this);

    setWindowTitle(tr(kTitleLine) +
                   QString::fromStdString(DateToText(TodayDateValue()).substr(0, 4)));

    // A file that cannot be read leaves the first-run values; the window
    // still opens.
    RunGuarded(this, [this] { ReadSettings(); });
    RunGuarded(this, [this] { tapes_->OpenListed(); });
    menu_->ShowState(*context_);
}

// The keyboard messages still waiting are discarded, which on Qt removes
// nothing (see DiscardKeyboardMessages): keys typed ahead are never lost.
void TCalculadora::FormClose() {
    DiscardKeyboardMessages();
}

// The settings file is written before the window goes; when it cannot be,
// the user may try again, save the tape elsewhere or close anyway. The
// interest window goes with its owner.
void TCalculadora::closeEvent(QCloseEvent* event) {
    if (!WriteBeforeClosing()) {
        event->ignore();
        return;
    }
    FormClose();
    if (interes_ != nullptr) interes_->hide();
    QWidget::closeEvent(event);
}

void TCalculadora::CloseWithoutAsking() {
    closingWithoutAsking_ = true;
    close();
}

// Closing anyway keeps the journal: the next start gives everything back.
// Once the window has closed, it asks nothing more.
bool TCalculadora::WriteBeforeClosing() {
    for (;;) {
        try {
            WriteSettings();
            closingWithoutAsking_ = true;
            return true;
        } catch (const PlatformError& error) {
            if (closingWithoutAsking_) return true;
            const QString kept =
                tapes_->Kept()
                    ? tr("%1#13#13Els canvis de la cinta són al diari, al costat del fitxer: la "
                         "propera vegada que obriu la calculadora hi tornaran a ser, encara que "
                         "la tanqueu ara.")
                    : tr("%1#13#13Els darrers canvis de la cinta no s'han pogut desar enlloc: si "
                         "la tanqueu ara, es perdran. Feu lloc al disc i torneu-ho a provar, o "
                         "deseu la cinta en un altre lloc.");
            const std::string question = Filled(kept.toStdString(), {error.what()});
            const int answer =
                ShowChoiceBox(this, question, tr("No s'ha pogut desar").toStdString(),
                              {{idRetry, tr("&Torna-ho a provar").toStdString()},
                               {idYes, tr("&Desa la cinta en un altre lloc...").toStdString()},
                               {idIgnore, tr("Tanca &igualment").toStdString()}});
            closingWithoutAsking_ = answer == idIgnore;
            if (closingWithoutAsking_) return true;
            if (answer == idYes) RunGuarded(this, [this] { files_->SaveTape(); });
        }
    }
}

// The drop target goes first, then the settings and tape file is written,
// unless the window closed already (a window can be destroyed without
// closing, as a test does). A failure to write is shown; the old file then
// stays as it was, and the journal keeps everything.
void TCalculadora::FormDestroy() {
    if (dropTarget_ != nullptr) dropTarget_->Revoke();
    if (!closingWithoutAsking_ && !tapes_->Folded())
        RunGuarded(nullptr, [this] { WriteSettings(); });
}

// Each panel follows the tape in use.
void TCalculadora::FollowCurrentTape() {
    TTapeEngine& engine = tapes_->Current();
    view_->Follow(engine);
    display_->Follow(engine);
    tax_->Follow(engine);
    files_->Follow(engine);
    clipboard_->Follow(engine);
    tabs_->ShowTapes();
    menu_->ShowState(*context_);
}

void TCalculadora::FocusTape() {
    if (Paper().isVisible()) Paper().setFocus(Qt::OtherFocusReason);
}

void TCalculadora::BotoSortirClick() {
    DiscardKeyboardMessages();
    close();
}

void TCalculadora::BotoPropietatsClick() {
    menu_->ShowState(*context_);
    const QWidget* button =
        findChild<QWidget*>(QString::fromLatin1(Command(TCommandId::Options).name));
    menu_->popup(button->mapToGlobal(QPoint(10, 10)));
}

// Created the first time, then only shown and brought to the front.
void TCalculadora::BotoInteresClick() {
    ShowInteres(this, interes_);
}
