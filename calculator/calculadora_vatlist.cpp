// TCalculadora: the tax-rate list and its editor. The list shows the nine
// rates of TVatRates and, last, the entry that opens the editor; the
// selected index is the rate the tax keys use.

#include <QListWidget>
#include <QSignalBlocker>

#include "calculator/calculadora.h"
#include "calculator/vatratesdialog.h"
#include "controls/panel/panelex.h"

namespace {

// The rate list's last entry: not a rate, it opens the rate editor.
constexpr int kEditEntryRow = TVatRates::kSlotCount;

// The list gets its items the first time it opens: nobody sees them before,
// and the window shows sooner without measuring them.
bool Filled(const QListWidget& list) {
    return list.count() > 0;
}

}  // namespace

// The list opens over the keys it covers, with the focus.
void TCalculadora::TeclaQuinIvaClick() {
    vatIndexAtOpen_ = vatIndex_;
    if (!Filled(*llistaIvas_)) FillVatList();
    llistaIvas_->show();
    llistaIvas_->raise();
    llistaIvas_->setFocus(Qt::OtherFocusReason);
}

// The nine rates, then the entry that opens the editor, with the selected
// rate selected.
void TCalculadora::FillVatList() {
    const QSignalBlocker quiet(llistaIvas_);
    if (llistaIvas_->count() != kEditEntryRow + 1) {
        llistaIvas_->clear();
        for (int row = 0; row <= kEditEntryRow; ++row)
            llistaIvas_->addItem(QString());
        QListWidgetItem* edit = llistaIvas_->item(kEditEntryRow);
        edit->setText(tr("Edita els tipus..."));
        QFont italic = llistaIvas_->font();
        italic.setItalic(true);
        edit->setFont(italic);
    }
    for (int row = 0; row < kEditEntryRow; ++row)
        llistaIvas_->item(row)->setText(QString::fromStdString(*vatRates_.Text(row)));
    llistaIvas_->setCurrentRow(vatIndex_);
    FitVatList();
}

// The list grows from its place at the panel's top left corner until every
// entry shows whole, but never beyond the panel.
void TCalculadora::FitVatList() {
    const int frame = 2 * llistaIvas_->frameWidth();
    const QSize content(llistaIvas_->sizeHintForColumn(0) + frame,
                        llistaIvas_->sizeHintForRow(0) * llistaIvas_->count() + frame);
    const QSize panel = llistaIvas_->parentWidget()->size();
    llistaIvas_->resize(llistaIvas_->size().expandedTo(content).boundedTo(panel));
}

// The rate key shows the selected item and "Iva" ("16%Iva"); with no item
// selected (a stored index outside the list) it shows the rate then used, 0.
void TCalculadora::RefreshVatCaption() {
    teclaQuinIva_->SetCaption(
        tr("%1Iva")
            .arg(QString::fromStdString(vatRates_.Text(vatIndex_).value_or("0%")))
            .toStdString());
}

void TCalculadora::SetVatIndex(int index) {
    const int selected = vatRates_.Text(index) ? index : -1;
    llistaIvas_->setCurrentRow(selected);
    vatIndex_ = selected;
    RefreshVatCaption();
}

bool TCalculadora::EditEntryChosen() const {
    return llistaIvas_->currentRow() == kEditEntryRow;
}

// The rate the list shows selected is the one the keys use. The editor's
// entry, reached with the arrow keys past every rate, selects again the rate
// of the moment the list opened.
void TCalculadora::LlistaIvasRowChanged(int row) {
    vatIndex_ = vatRates_.Text(row) ? row : vatIndexAtOpen_;
    RefreshVatCaption();
}

// Closed on the editor's entry, the list shows the selected rate again.
void TCalculadora::LlistaIvasExit() {
    llistaIvas_->hide();
    if (llistaIvas_->currentRow() != vatIndex_) llistaIvas_->setCurrentRow(vatIndex_);
    RefreshVatCaption();
}

void TCalculadora::LlistaIvasDblClick() {
    llistaIvas_->hide();
}

// The editor works on a copy; accepted, the list, the caption and the tax
// keys follow the edited slots, and the selected index stays.
void TCalculadora::MenuTipusIvaClick() {
    TVatRatesDialog dialog(vatRates_, this);
    if (dialog.exec() != QDialog::Accepted) return;
    vatRates_.Adopt(dialog.Rates());
    FillVatList();
    RefreshVatCaption();
}

void TCalculadora::ReadVatRates(const TExtensionLines& lines, TVatRates::TSource source) {
    vatRates_.ReadFrom(lines, source);
    if (Filled(*llistaIvas_)) FillVatList();
}
