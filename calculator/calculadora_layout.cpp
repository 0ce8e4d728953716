// TCalculadora: the controls of the window, their places, looks and captions.
//
//   +-- PanelPaper (167) ------+-- PanelTeclat (145) --+
//   | [cSubtotal       ] [X]   | [ CNumero           ] |   5
//   |                          | PanelNumeros: keypad  |  35
//   | Paper: the tape          |                       |
//   |                          | PanelEspecial: tax    | 175
//   |                          | and margin keys       |
//   +--------------------------+                       |
//   | PanelBotons: tool buttons| [Càlcul Interès ...]  | 318
//   +--------------------------+-----------------------+ 350

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QListWidget>
#include <QMenu>

#include "calculator/calculadora.h"
#include "calculator/tapegridcells.h"
#include "controls/button/botopetit.h"
#include "controls/combo/comboex.h"
#include "controls/grid/gridex.h"
#include "controls/panel/panelex.h"
#include "controls/platform/anchors.h"
#include "controls/platform/fonts.h"

namespace {

constexpr int kClientWidth = 312;
constexpr int kClientHeight = 350;
constexpr int kKeypadSideWidth = 145;
constexpr int kPaperSideWidth = kClientWidth - kKeypadSideWidth;
constexpr int kPaperTop = 41;
constexpr int kPaperHeight = 254;
constexpr int kToolPanelHeight = 55;

constexpr TColor kKeypadColour = RGBColor(204, 205, 180);
constexpr TColor kSubtotalColour = RGBColor(255, 255, 128);
constexpr TColor kSpecialColour = RGBColor(212, 208, 200);
constexpr TColor kOperatorGradient = RGBColor(190, 205, 235);

TPanelEx* Panel(QWidget* parent, const char* name, QRect place) {
    auto* panel = new TPanelEx(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setGeometry(place);
    return panel;
}

// A panel that shows a number at its right, with a right margin of 10.
void MakeNumberDisplay(TPanelEx* display, TColor background, int points) {
    display->SetColor(background);
    display->SetBevelOuter(bvLowered);
    display->SetAlignment(Qt::AlignRight);
    display->SetLayout(tlCenter);
    display->SetMargeDrt(10);
    display->SetFontColor(clBlue);
    display->setFont(FormFont("MS Sans Serif", points, true));
}

// A key: a raised inner bevel in shades of its own colour, a vertical
// gradient from that colour to `lower`, and the press and hover tints.
void MakeKey(TPanelEx* key, TColor face, TColor lower, int points = 10) {
    const QColor colour = ToQColor(face);
    key->SetBevelOuter(bvNone);
    key->SetBevelInner(bvRaised);
    key->SetBevelWidth(2);
    key->SetSelected(true);
    key->SetColorSelected(face);
    key->SetColorHighSelected(FromQColor(colour.lighter(135)));
    key->SetColorShadowSelected(FromQColor(colour.darker(160)));
    key->SetSn_Gradient(true);
    key->SetEstilGradient(fxVertical);
    key->SetColorGradient(lower);
    key->SetFontColor(clBlue);
    key->setFont(FormFont("MS Sans Serif", points, true));
}

// Digits, comma and sign: lime with blue bold text.
void MakeEntryKey(TPanelEx* key) {
    MakeKey(key, clLime, RGBColor(176, 255, 176));
}

// Operators: blue text on a white to pale blue gradient.
void MakeOperatorKey(TPanelEx* key, int points = 10) {
    MakeKey(key, clWhite, kOperatorGradient, points);
}

// The window's texts, in the user's language (marked with QT_TR_NOOP where
// they are written).
QString Translated(const char* text) {
    return QCoreApplication::translate("TCalculadora", text);
}

// The hint of a control, shown as its tooltip.
void SetHint(QWidget* control, const char* hint) {
    control->setToolTip(Translated(hint));
}

// The name assistive technology gives a control that has no caption or hint
// to take one from.
void SetAccessibleName(QWidget* control, const char* name) {
    control->setAccessibleName(Translated(name));
}

}  // namespace

// The window is laid out at its smallest size; when it grows, the tape grows
// with it, while the keys and the tool buttons keep their distances to the
// right and bottom edges.
void TCalculadora::BuildLayout() {
    setObjectName(QStringLiteral("Calculadora"));
    setFont(FormFont());
    setMinimumSize(kClientWidth, kClientHeight);
    resize(kClientWidth, kClientHeight);

    TPanelEx* whole = Panel(this, "PanelCalculadora", rect());
    whole->SetBevelOuter(bvNone);
    auto* paperSide = Panel(whole, "PanelPaper", QRect(0, 0, kPaperSideWidth, kClientHeight));
    BuildPaperSide(paperSide);
    auto* keypadSide =
        Panel(whole, "PanelTeclat", QRect(kPaperSideWidth, 0, kKeypadSideWidth, kClientHeight));
    BuildKeypadSide(keypadSide);
    BuildMenu();

    SetAnchors(whole, kAnchoredAll);
    SetAnchors(paperSide, kAnchoredAll);
    SetAnchors(keypadSide, akTop | akRight | akBottom);
    for (QWidget* part : keypadSide->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        SetAnchors(part, akRight | akBottom);
    SetAnchors(botoSortir_, akTop | akRight);
    SetAnchors(paper_, kAnchoredAll);
    QWidget* tools = paperSide->findChild<QWidget*>(QStringLiteral("PanelBotons"));
    SetAnchors(tools, akLeft | akRight | akBottom);
    for (QWidget* button : tools->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        SetAnchors(button, akRight | akBottom);
}

TPanelEx* TCalculadora::Key(QWidget* parent, const char* name, QRect place,
                            const std::string& caption) {
    TPanelEx* key = Panel(parent, name, place);
    key->SetCaption(caption);
    key->SetLayout(tlCenter);
    key->SetEfectes(true);
    return key;
}

void TCalculadora::BuildKeypadSide(QWidget* side) {
    cNumero_ = Panel(side, "CNumero", QRect(5, 5, 136, 26));
    MakeNumberDisplay(cNumero_, clWhite, 11);
    cNumero_->SetEditable(true);
    SetAccessibleName(cNumero_, QT_TR_NOOP("Número"));

    auto* keypad = Panel(side, "PanelNumeros", QRect(5, 35, 136, 136));
    keypad->SetColor(kKeypadColour);
    SetAccessibleName(keypad, QT_TR_NOOP("Teclat"));
    BuildKeypad(keypad);

    auto* special = Panel(side, "PanelEspecial", QRect(5, 175, 136, 141));
    special->SetColor(kSpecialColour);
    SetAccessibleName(special, QT_TR_NOOP("IVA i marge"));
    BuildSpecialKeys(special);

    auto* interestPanel = Panel(side, "PanelEx1", QRect(5, 318, 136, 27));
    botoInteres_ = new TBotoPetit(interestPanel);
    botoInteres_->setObjectName(QStringLiteral("BotoInteres"));
    botoInteres_->setGeometry(5, 3, 126, 20);
    botoInteres_->SetCaption(tr("Càlcul Interès Bancari").toStdString());
    botoInteres_->SetHint(tr("Comparar dos préstecs bancaris").toStdString());
    botoInteres_->SetFontColor(clNavy);
    botoInteres_->setFocusPolicy(Qt::NoFocus);
}

// Keys 26 by 26 on a 25-pixel pitch.
void TCalculadora::BuildKeypad(TPanelEx* keypad) {
    const auto at = [](int column, int row, int columns = 1, int rows = 1) {
        return QRect(5 + 25 * column, 5 + 25 * row, 26 + 25 * (columns - 1), 26 + 25 * (rows - 1));
    };
    teclaBorrar_ = Key(keypad, "TeclaBorrar", at(0, 0, 2), "C");
    MakeKey(teclaBorrar_, clYellow, RGBColor(255, 255, 200));
    teclaBorrar_->SetFontColor(clBlack);
    teclaDarrera_ = Key(keypad, "TeclaDarrera", at(2, 0, 3), "<");
    MakeKey(teclaDarrera_, RGBColor(236, 236, 228), RGBColor(204, 204, 196));
    teclaDarrera_->SetFontColor(clBlack);

    static constexpr std::array<QPoint, 10> kDigitPlaces = {
        {{0, 4}, {0, 3}, {1, 3}, {2, 3}, {0, 2}, {1, 2}, {2, 2}, {0, 1}, {1, 1}, {2, 1}}};
    for (int digit = 0; digit < 10; ++digit) {
        const QPoint place = kDigitPlaces[static_cast<size_t>(digit)];
        const std::string name = "Tecla" + std::to_string(digit);
        TPanelEx* key = Key(keypad, name.c_str(), at(place.x(), place.y()), std::to_string(digit));
        MakeEntryKey(key);
        digitKeys_[static_cast<size_t>(digit)] = key;
    }
    teclaPunt_ = Key(keypad, "TeclaPunt", at(1, 4), ",");
    teclaSigne_ = Key(keypad, "TeclaSigne", at(2, 4), "+/-");
    MakeEntryKey(teclaPunt_);
    MakeKey(teclaSigne_, clLime, RGBColor(176, 255, 176), 8);

    teclaDividir_ = Key(keypad, "TeclaDividir", at(3, 1), "/");
    teclaPercent_ = Key(keypad, "TeclaPercent", at(4, 1, 1, 2), "%");
    teclaMultiplicar_ = Key(keypad, "TeclaMultiplicar", at(3, 2), "x");
    teclaMenys_ = Key(keypad, "TeclaMenys", at(3, 3), "_");
    teclaIgual_ = Key(keypad, "TeclaIgual", at(4, 3), "=");
    teclaMes_ = Key(keypad, "TeclaMes", at(3, 4), "+");
    teclaIntro_ = Key(keypad, "TeclaIntro", at(4, 4), "<<");
    for (TPanelEx* key : {teclaDividir_, teclaPercent_, teclaMultiplicar_, teclaMenys_, teclaIgual_,
                          teclaMes_, teclaIntro_})
        MakeOperatorKey(key);
}

// Two columns of keys: the tax keys, the margin type, the margin field and
// the margin keys. The rate list opens over the top left corner.
void TCalculadora::BuildSpecialKeys(TPanelEx* panel) {
    const auto left = [](int top, int height = 22) { return QRect(5, top, 62, height); };
    const auto right = [](int top) { return QRect(69, top, 62, 22); };
    teclaQuinIva_ = Key(panel, "TeclaQuinIva", left(5), tr("% Iva").toStdString());
    teclaQuinIva_->SetColor(clWhite);
    teclaQuinIva_->SetBevelOuter(bvLowered);
    SetHint(teclaQuinIva_, QT_TR_NOOP("Percentatge d'IVA a aplicar amb els Botons IVA"));
    teclaMesIva_ = Key(panel, "TeclaMesIva", right(5), tr("+ Iva").toStdString());
    SetHint(teclaMesIva_, QT_TR_NOOP("Calcula el Valor més IVA [i]"));
    teclaMenysIva_ = Key(panel, "TeclaMenysIva", left(30), tr("Base Imp").toStdString());
    SetHint(teclaMenysIva_, QT_TR_NOOP("Calcula la Base Imposable [B]"));
    teclaPerIva_ = Key(panel, "TeclaPerIva", right(30), tr("Quota Iva").toStdString());
    SetHint(teclaPerIva_, QT_TR_NOOP("Calcula la Quota d'IVA [Q]"));

    cTipusMarge_ = new TComboEx(panel);
    cTipusMarge_->setObjectName(QStringLiteral("CTipusMarge"));
    cTipusMarge_->setGeometry(5, 59, 126, 22);
    cTipusMarge_->addItems({tr("Marge S/PVP"), tr("Marge S/Cost"), tr("Descompte")});
    cTipusMarge_->setCurrentIndex(0);
    cTipusMarge_->setFocusPolicy(Qt::ClickFocus);

    teclaQuinMarge_ = Key(panel, "TeclaQuinMarge", left(87, 47), "0%");
    teclaQuinMarge_->SetColor(clWhite);
    teclaQuinMarge_->SetBevelOuter(bvLowered);
    teclaQuinMarge_->SetEfectes(false);
    teclaQuinMarge_->SetFontColor(clNavy);
    teclaQuinMarge_->setFont(FormFont("MS Sans Serif", 10, true));
    teclaQuinMarge_->SetEditable(true);
    SetHint(teclaQuinMarge_, QT_TR_NOOP("Estableix % de Marge"));
    teclaMesMarge_ = Key(panel, "TeclaMesMarge", right(87), tr("+ Marge").toStdString());
    SetHint(teclaMesMarge_, QT_TR_NOOP("Calcula el Preu Final Afegint el Marge [M]"));
    teclaMenysMarge_ = Key(panel, "TeclaMenysMarge", right(112), tr("- Marge").toStdString());
    SetHint(teclaMenysMarge_,
            QT_TR_NOOP("Calcula el Preu Descomptant el Marge (Preu de Cost) [N]"));

    for (TPanelEx* key :
         {teclaMesIva_, teclaMenysIva_, teclaPerIva_, teclaMesMarge_, teclaMenysMarge_})
        MakeOperatorKey(key, 8);

    llistaIvas_ = new QListWidget(panel);
    llistaIvas_->setObjectName(QStringLiteral("LlistaIvas"));
    llistaIvas_->setGeometry(0, 0, 80, 97);
    llistaIvas_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    llistaIvas_->hide();
    SetAccessibleName(llistaIvas_, QT_TR_NOOP("Percentatge d'IVA"));
}

void TCalculadora::BuildPaperSide(QWidget* side) {
    cSubtotal_ = Panel(side, "cSubtotal", QRect(5, 6, 116, 25));
    MakeNumberDisplay(cSubtotal_, kSubtotalColour, 10);
    SetAccessibleName(cSubtotal_, QT_TR_NOOP("Subtotal"));

    botoSortir_ = ToolButton(side, "BotoSortir", QPoint(140, 7));
    botoSortir_->SetResBitmap("SORTIR");
    botoSortir_->SetHint(tr("Sortir Entregant Valor [F10]").toStdString());

    paper_ = new TGridEx(side);
    paper_->setObjectName(QStringLiteral("Paper"));
    paper_->setGeometry(0, kPaperTop, kPaperSideWidth, kPaperHeight);
    SetAccessibleName(paper_, QT_TR_NOOP("Paper"));

    auto* buttons =
        Panel(side, "PanelBotons",
              QRect(0, kClientHeight - kToolPanelHeight, kPaperSideWidth, kToolPanelHeight));
    SetAccessibleName(buttons, QT_TR_NOOP("Eines del paper"));
    BuildToolButtons(buttons);
}

TBotoPetit* TCalculadora::ToolButton(QWidget* parent, const char* name, QPoint place) {
    auto* button = new TBotoPetit(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(place.x(), place.y(), 24, 24);
    button->SetNumGlyphs(2);
    // The focus stays on the tape: the space bar is the total key there.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

void TCalculadora::BuildToolButtons(TPanelEx* panel) {
    struct TTool {
        TBotoPetit* TCalculadora::*field;
        const char* name;
        QPoint place;
        const char* bitmap;  // nullptr: a caption instead of a glyph
        const char* letter;
        const char* hint;
        QPoint letterAt = {};  // on the glyph
    };
    static const TTool kTools[] = {
        {&TCalculadora::botoNetejar_,
         "BotoNetejar",
         {5, 2},
         "NETEJAR",
         "",
         QT_TR_NOOP("Esborrar Paper [F8]")},
        {&TCalculadora::botoInsertar_,
         "BotoInsertar",
         {30, 2},
         "INSERIRLINIA",
         "",
         QT_TR_NOOP("Obrir espai a la posició marcada per insertar un valor [Ins]")},
        {&TCalculadora::botoEsborrarLinia_,
         "BotoEsborrarLinia",
         {55, 2},
         "ESBORRARLINIA",
         "",
         QT_TR_NOOP("Esborrar Linia Marcada [Supr]")},
        {&TCalculadora::botoLLigar_,
         "BotoLLigar",
         {80, 2},
         "ABAIX",
         "",
         QT_TR_NOOP("Copiar i Lligar Valor al Final  [F7]")},
        {&TCalculadora::botoPts_,
         "BotoPts",
         {116, 1},
         nullptr,
         "Pt",
         QT_TR_NOOP("Converteix a Pessetes [P]")},
        {&TCalculadora::botoEuros_,
         "BotoEuros",
         {141, 1},
         nullptr,
         "€",
         QT_TR_NOOP("Converteix a EUROS [E]")},
        // The copy glyph leaves its top left corner free for the letter.
        {&TCalculadora::botoCopiarResultat_,
         "BotoCopiarResultat",
         {5, 27},
         "COPIAR",
         "R",
         QT_TR_NOOP("Copiar Resultat [Control+R]"),
         {1, 0}},
        {&TCalculadora::botoCopiarValors_,
         "BotoCopiarValors",
         {30, 27},
         "COPIAR",
         "N",
         QT_TR_NOOP("Copiar Valors Numèrics [Control+N]"),
         {1, 0}},
        {&TCalculadora::botoCopiarPaper_,
         "BotoCopiarPaper",
         {55, 27},
         "COPIAR",
         "P",
         QT_TR_NOOP("Copiar Paper [Control+P]"),
         {1, 0}},
        {&TCalculadora::botoEnganxar_,
         "BotoEnganxar",
         {80, 27},
         "ENGANXAR",
         "",
         QT_TR_NOOP("Esborrar Paper i Enganxar [Control+E]")},
        {&TCalculadora::botoEnganxarMes_,
         "BotoEnganxarMes",
         {105, 27},
         "ENGANXAR",
         "+",
         QT_TR_NOOP("Enganxar al Final [Control+V]"),
         {10, 6}},
        {&TCalculadora::botoPropietats_,
         "BotoPropietats",
         {140, 27},
         "UTILITATS",
         "",
         QT_TR_NOOP("Propietats")},
    };
    for (const TTool& tool : kTools) {
        TBotoPetit* button = ToolButton(panel, tool.name, tool.place);
        if (tool.bitmap != nullptr) {
            button->SetResBitmap(tool.bitmap);
            button->SetMergeTxt(tool.letter);
            button->SetMergeTxtX(tool.letterAt.x());
            button->SetMergeTxtY(tool.letterAt.y());
            button->setFont(FormFont("Arial", 8, true));
            button->SetFontColor(clBlue);
        } else {
            button->SetCaption(tool.letter);
            button->setFont(FormFont("MS Sans Serif", 10, true));
            button->SetFontColor(clNavy);
        }
        button->SetHint(Translated(tool.hint).toStdString());
        this->*tool.field = button;
    }
}

void TCalculadora::BuildMenu() {
    menuPropietats_ = new QMenu(this);
    menuPropietats_->setObjectName(QStringLiteral("MenuPropietats"));
    static constexpr const char* kDecimalCaptions[kMaxDecimals + 1] = {
        QT_TR_NOOP("&0 Decimals"), QT_TR_NOOP("&1 Decimal"),  QT_TR_NOOP("&2 Decimals"),
        QT_TR_NOOP("&3 Decimals"), QT_TR_NOOP("&4 Decimals"), QT_TR_NOOP("&5 Decimals"),
        QT_TR_NOOP("&6 Decimals")};
    for (int tag = 0; tag <= kMaxDecimals; ++tag) {
        QAction* item = menuPropietats_->addAction(Translated(kDecimalCaptions[tag]));
        item->setObjectName(QStringLiteral("Menu%1Decimals").arg(tag));
        item->setData(tag);
    }
    menuPropietats_->addSeparator()->setObjectName(QStringLiteral("MenuLinia1"));
    const auto toggle = [this](const char* name, const char* caption) {
        QAction* item = menuPropietats_->addAction(Translated(caption));
        item->setObjectName(QString::fromLatin1(name));
        item->setCheckable(true);
        return item;
    };
    menuArrodonirTotals_ = toggle("MenuArrodonirTotals", QT_TR_NOOP("Arrodonir Totals"));
    menuArrodonirCalculs_ =
        toggle("MenuArrodonirCalculs", QT_TR_NOOP("&Arrodonir decimals a càlculs interns"));
    menuArrodonirTot_ = toggle("MenuArrodonirTot", QT_TR_NOOP("Arrodonir tots els números"));
    menuPropietats_->addSeparator()->setObjectName(QStringLiteral("MenuLinia2"));
    menuConvertir_ = toggle("MenuConvertir", QT_TR_NOOP("Coma Decimal a l'Exportar/Copiar"));
    menuPropietats_->addSeparator()->setObjectName(QStringLiteral("MenuLinia3"));
    menuTipusIva_ = menuPropietats_->addAction(tr("&Tipus d'IVA..."));
    menuTipusIva_->setObjectName(QStringLiteral("MenuTipusIva"));
    BuildHistoryItems();
}

// The keys work wherever the focus is in the window (FormKeyDown); the
// menu only shows them, and takes them while it is open.
void TCalculadora::BuildHistoryItems() {
    menuPropietats_->addSeparator()->setObjectName(QStringLiteral("MenuLinia4"));
    const auto item = [this](const char* name, const char* caption, QList<QKeySequence> keys) {
        QAction* action = menuPropietats_->addAction(Translated(caption));
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WidgetShortcut);
        action->setEnabled(false);
        return action;
    };
    menuDesfer_ = item("MenuDesfer", QT_TR_NOOP("&Desfés"), {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    menuRefer_ =
        item("MenuRefer", QT_TR_NOOP("&Refés"),
             {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
}
