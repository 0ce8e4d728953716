// TInteres: the amortization table Amort, its totals row, its drawing, the
// selection of instalments and the copy for a spreadsheet.

#include <QClipboard>
#include <QGuiApplication>
#include <cmath>

#include "basic/numbertext.h"
#include "controls/datefield/datacalendari.h"
#include "controls/grid/gridcanvas.h"
#include "controls/grid/gridex.h"
#include "controls/panel/panelex.h"
#include "interest/amortcells.h"
#include "interest/interes.h"

namespace {

constexpr TColor kTotalsBackground = RGBColor(160, 240, 252);
constexpr int kTextMargin = 3;
constexpr int kTextTop = 2;

}  // namespace

// Rebuilt from scratch, which also empties the selection.
void TInteres::FillAmortization(int loan) {
    const TLoanFields& fields = Loan(loan);
    amort_->Netejar(false);
    const std::vector<TAmortRow> rows =
        AmortizationTable(CapitalHundredths(loan), fields.Interes->Value(), fields.Quota->Value(),
                          fields.Mesos->IntValue(), data_->Date());
    for (const TAmortRow& row : rows) {
        const auto cells = AmortRowCells(row);
        const int32_t gridRow = row.Quota + kAmortFirstInstalmentRow - 1;
        for (int32_t col = acQuota; col <= acSaldo; ++col)
            amort_->EscriureCella(gridRow, col, cells[static_cast<size_t>(col)]);
    }
}

void TInteres::UpdateTotals() {
    const TAmortTotals totals = SelectedTotals(
        amort_->FilesUsades(), [this](int32_t row) { return amort_->FilaSeleccionada(row); },
        [this](int32_t row, int32_t col) { return amort_->LlegirCella(row, col); });
    amort_->EscriureCella(kAmortTotalsRow, acCapital, FloatToPlainText(totals.Capital));
    amort_->EscriureCella(kAmortTotalsRow, acInteres, FloatToPlainText(totals.Interes));
}

// Colours of the totals row; every cell's text in its display form, dates
// centred and numbers right-aligned. The grid has given the fixed rows, the
// current row and the selected instalments their colours already.
void TInteres::AmortDrawCell(TGridEx* sender, int32_t col, int32_t row, const QRect& rect,
                             TGridDrawState, TGridCanvas& canvas) {
    if (row == kAmortTotalsRow) {
        canvas.BrushColor = kTotalsBackground;
        canvas.FontColor = clRed;
        canvas.Font.setBold(true);
    }
    const std::string text = AmortDisplayText(col, row, sender->LlegirCella(row, col));
    const int textWidth = canvas.TextWidth(text);
    const int x =
        AmortColumnKind(col) == TAmortKind::Date
            ? rect.left() + static_cast<int>(std::nearbyint(rect.width() / 2.0 - textWidth / 2.0))
            : rect.left() + rect.width() - kTextMargin - textWidth;
    canvas.TextRect(rect, x, rect.top() + kTextTop, text);
}

void TInteres::AmortDblClick(TGridEx*) {
    const int32_t row = amort_->FilaActual();
    amort_->SeleccionarFila(row, !amort_->FilaSeleccionada(row));
}

void TInteres::AmortSeleccionarFila(TGridEx*, int32_t, bool) {
    UpdateTotals();
}

// Enter on the table: the current instalment in or out of the selection,
// then on to the next one.
void TInteres::ToggleCurrentRow() {
    AmortDblClick(amort_);
    if (amort_->FilaActual() <= amort_->FilesUsades())
        amort_->PosarFilaActual(amort_->FilaActual() + 1);
}

void TInteres::ClearSelection() {
    amort_->Seleccio().Clear();
    amort_->Invalidate();
    UpdateTotals();
}

std::string TInteres::AmortCopyText() const {
    return AmortClipboardText(amort_->FilesUsades(), [this](int32_t row, int32_t col) {
        return amort_->LlegirCella(row, col);
    });
}

void TInteres::BotoCopiarClick(TBotoPetit*) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(AmortCopyText()));
}
