// TCalculadora: which control's event reaches which handler.

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <utility>

#include "calculator/calculadora.h"
#include "calculator/tapefilecommands.h"
#include "calculator/tapeview.h"
#include "controls/button/botopetit.h"
#include "controls/combo/comboex.h"
#include "controls/grid/gridex.h"
#include "controls/panel/panelex.h"
#include "controls/platform/eventguard.h"

// Every handler runs as one user action: a failure (a lone comma read as a
// number, a clipboard error) stops it with a message and the window carries
// on.
template <typename Handler>
auto TCalculadora::Guarded(Handler handler) {
    return [this, handler](auto&&...) { RunGuarded(this, handler); };
}

void TCalculadora::WireEvents() {
    WireEngine();
    WireKeypad();
    WireSpecialKeys();
    WireToolButtons();
    qApp->installEventFilter(this);
}

// The display shows the entry and, while the user edits it, is the entry; the
// subtotal panel shows the running value.
void TCalculadora::WireEngine() {
    engine_->OnEntryTextChanged = [this](TTapeEngine*, const std::string& text) {
        cNumero_->SetCaption(text);
        if (cNumero_->IsEditing() && cNumero_->Editor()->text().toStdString() != text)
            cNumero_->Editor()->setText(QString::fromStdString(text));
    };
    engine_->OnSubtotalTextChanged = [this](TTapeEngine*, const std::string& text) {
        cSubtotal_->SetCaption(text);
    };
    engine_->OnHistoryChanged = [this](TTapeEngine*) { ShowHistory(); };
    cNumero_->OnEditorTextChanged = [this](TPanelEx*) {
        engine_->SetEntryText(cNumero_->Caption());
    };

    paper_->OnClick = Guarded([this] { engine_->RecallRow(); });
    paper_->OnDblClick = Guarded([this] { tapeView_->PaperDblClick(); });
}

void TCalculadora::WireKeypad() {
    const auto onClick = [this](TPanelEx* key, auto handler) { key->OnClick = Guarded(handler); };
    for (int digit = 0; digit < 10; ++digit) {
        onClick(digitKeys_[static_cast<size_t>(digit)],
                [this, digit] { engine_->TeclaClick(DigitKey(digit)); });
    }
    TTapeEngine* engine = engine_.get();
    onClick(teclaPunt_, [engine] { engine->TeclaClick(TEntryKey::Comma); });
    onClick(teclaSigne_, [engine] { engine->TeclaClick(TEntryKey::Sign); });
    onClick(teclaBorrar_, [engine] { engine->TeclaBorrarClick(); });
    onClick(teclaDarrera_, [engine] { engine->TeclaDarreraClick(); });
    onClick(teclaMes_, [engine] { engine->TeclaMesClick(); });
    onClick(teclaMenys_, [engine] { engine->TeclaMenysClick(); });
    onClick(teclaMultiplicar_, [engine] { engine->TeclaMultiplicarClick(); });
    onClick(teclaDividir_, [engine] { engine->TeclaDividirClick(); });
    onClick(teclaPercent_, [engine] { engine->TeclaPercentClick(); });
    onClick(teclaIgual_, [engine] { engine->TeclaIgualClick(); });
    onClick(teclaIntro_, [engine] { engine->TeclaIntroClick(); });
}

void TCalculadora::WireSpecialKeys() {
    teclaQuinIva_->OnClick = Guarded([this] { TeclaQuinIvaClick(); });
    teclaMesIva_->OnClick = Guarded([this] { TeclaMesIvaClick(); });
    teclaMenysIva_->OnClick = Guarded([this] { TeclaMenysIvaClick(); });
    teclaPerIva_->OnClick = Guarded([this] { TeclaPerIvaClick(); });
    teclaMesMarge_->OnClick = Guarded([this] { TeclaMesMargeClick(); });
    teclaMenysMarge_->OnClick = Guarded([this] { TeclaMenysMargeClick(); });

    // The margin field shows its number bare while it is edited; the click
    // and the focus reach it before its editor opens.
    teclaQuinMarge_->OnClick = Guarded([this] { TeclaQuinMargeEnter(); });
    teclaQuinMarge_->OnEnter = Guarded([this] { TeclaQuinMargeEnter(); });
    teclaQuinMarge_->OnEditorExit = Guarded([this] { TeclaQuinMargeExit(); });
    teclaQuinMarge_->OnKeyDown = [this](QObject*, int& key, Qt::KeyboardModifiers) {
        if (key != Qt::Key_Return && key != Qt::Key_Enter) return;
        key = 0;
        RunGuarded(this, [this] { TeclaQuinMargeExit(); });
    };

    connect(cTipusMarge_, &QComboBox::activated, this,
            Guarded([this] { CTipusMargeChange(); }));
    connect(llistaIvas_, &QListWidget::itemDoubleClicked, this,
            Guarded([this] { LlistaIvasDblClick(); }));
    connect(llistaIvas_, &QListWidget::currentRowChanged, this,
            [this](int row) { LlistaIvasRowChanged(row); });
    // A click on the editor's entry closes the list and opens the editor.
    connect(llistaIvas_, &QListWidget::itemClicked, this, Guarded([this] {
                if (!EditEntryChosen()) return;
                FocusTape();
                MenuTipusIvaClick();
            }));
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        if (old == llistaIvas_ && now != llistaIvas_) RunGuarded(this, [this] { LlistaIvasExit(); });
    });
}

void TCalculadora::WireToolButtons() {
    TTapeEngine* engine = engine_.get();
    // The tool buttons give the tape the focus after their command.
    const auto onClick = [this](TBotoPetit* button, auto handler) {
        button->OnClick = Guarded([this, handler] {
            handler();
            FocusTape();
        });
    };
    onClick(botoNetejar_, [this] { files_->ClearTape(); });
    onClick(botoInsertar_, [engine] { engine->OpenRow(); });
    onClick(botoEsborrarLinia_, [engine] { engine->DeleteTapeRow(); });
    onClick(botoLLigar_, [engine] { engine->LinkValue(); });
    onClick(botoPts_, [this] { BotoPtsClick(); });
    onClick(botoEuros_, [this] { BotoEurosClick(); });
    onClick(botoCopiarResultat_, [this] { CopyResult(); });
    onClick(botoCopiarValors_, [this] { CopyValues(); });
    onClick(botoCopiarPaper_, [this] { CopyTape(); });
    onClick(botoEnganxar_, [this] { PasteReplace(); });
    onClick(botoEnganxarMes_, [this] { PasteAppend(); });
    botoPropietats_->OnClick = Guarded([this] { BotoPropietatsClick(); });
    botoSortir_->OnClick = Guarded([this] { BotoSortirClick(); });
    botoInteres_->OnClick = Guarded([this] { BotoInteresClick(); });

    for (QAction* item : menuPropietats_->actions()) {
        if (item->data().isValid()) {
            const int decimals = item->data().toInt();
            connect(item, &QAction::triggered, this,
                    Guarded([this, decimals] { MenuDecimalsClick(decimals); }));
        }
    }
    const std::pair<QAction*, void (TCalculadora::*)()> toggles[] = {
        {menuArrodonirTotals_, &TCalculadora::MenuArrodonirTotalsClick},
        {menuArrodonirCalculs_, &TCalculadora::MenuArrodonirCalculsClick},
        {menuArrodonirTot_, &TCalculadora::MenuArrodonirTotClick},
        {menuConvertir_, &TCalculadora::MenuConvertirClick},
    };
    for (const auto& [item, handler] : toggles)
        connect(item, &QAction::triggered, this, Guarded([this, handler] { (this->*handler)(); }));
    connect(menuDesfer_, &QAction::triggered, this, Guarded([this] { MenuDesferClick(); }));
    connect(menuRefer_, &QAction::triggered, this, Guarded([this] { MenuReferClick(); }));
    connect(menuTipusIva_, &QAction::triggered, this, Guarded([this] { MenuTipusIvaClick(); }));
    connect(menuPropietats_, &QMenu::aboutToHide, this, [this] { FocusTape(); });
}
