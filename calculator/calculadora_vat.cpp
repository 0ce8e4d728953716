// TCalculadora: the margin field and type, and the tax and margin keys. The
// keys hand the entry to the engine, which writes the number, the rate or a
// factor on the tape.

#include "basic/numbertext.h"
#include "calculator/calculadora.h"
#include "controls/combo/comboex.h"
#include "controls/panel/panelex.h"

void TCalculadora::SetMargin(double percent) {
    marginPercent_ = percent;
    teclaQuinMarge_->SetCaption(FloatToPlainText(percent) + "%");
}

int TCalculadora::MarginType() const {
    return static_cast<int>(CurrentMarginType());
}

TMarginType TCalculadora::CurrentMarginType() const {
    return MarginTypeFromIndex(cTipusMarge_->currentIndex());
}

void TCalculadora::SetMarginType(int type) {
    cTipusMarge_->setCurrentIndex(type);
    const bool discount = MarginTypeFromIndex(type) == TMarginType::Discount;
    teclaMesMarge_->SetCaption((discount ? tr("+ Dte") : tr("+ Marge")).toStdString());
    teclaMenysMarge_->SetCaption((discount ? tr("- Dte") : tr("- Marge")).toStdString());
}

void TCalculadora::TeclaMesIvaClick() {
    engine_->AddTax(engine_->EntryText(), VatRate());
}

void TCalculadora::TeclaMenysIvaClick() {
    engine_->TaxableBase(engine_->EntryText(), VatRate());
}

void TCalculadora::TeclaPerIvaClick() {
    engine_->TaxAmount(engine_->EntryText(), VatRate());
}

// The field shows its number without "%" while it is edited.
void TCalculadora::TeclaQuinMargeEnter() {
    if (teclaQuinMarge_->IsEditing()) return;
    teclaQuinMarge_->SetCaption(FloatToPlainText(marginPercent_));
}

void TCalculadora::TeclaQuinMargeExit() {
    SetMargin(TextToFloat(teclaQuinMarge_->Caption()));
    FocusTape();
}

void TCalculadora::TeclaMesMargeClick() {
    engine_->AddMargin(engine_->EntryText(), marginPercent_, CurrentMarginType());
}

void TCalculadora::TeclaMenysMargeClick() {
    engine_->RemoveMargin(engine_->EntryText(), marginPercent_, CurrentMarginType());
}

// The tape takes the focus back, so that letters typed next are keys of the
// calculator rather than a search in the combo box.
void TCalculadora::CTipusMargeChange() {
    SetMarginType(MarginType());
    FocusTape();
}
