// TGridEx: whole-row operations.

#include <algorithm>

#include "basic/rowmoves.h"
#include "controls/grid/gridex.h"
#include "controls/grid/gridmodel.h"

// The current row stays on its data.
void TGridEx::MoureFila(int32_t Origen, int32_t Desti) {
    const auto inData = [this](int32_t r) { return r >= FixedRows() && r < RowCount(); };
    if (!inData(Origen) || !inData(Desti) || Origen == Desti) return;
    model_->MoveRow(Origen, Desti);
    row_ = RowAfterMove(row_, Origen, Desti);
    UpdateEditor();
}

// Opens an empty row at Fila: the empty row after the used ones travels up to
// Fila and the rows from Fila on move down by one, the current row with them.
// On a grid with no fixed row the row taken is the one after the first free
// row (both are empty), so a current first free row moves down with it; on a
// grid with several fixed rows it is the first free row itself, never a used
// one.
void TGridEx::InsertarFila(int32_t Fila) {
    const int32_t usades = FilesUsades();
    if (Fila < 0 || usades < Fila) return;
    if (usades + FixedRows() >= RowCount()) SetRowCount(RowCount() + 1);
    const int32_t taken = std::max(usades + 1, FixedRows() + usades);
    const int32_t from = std::min(taken, RowCount() - 1);
    const int32_t to = std::max(Fila, FixedRows());
    if (to < from) MoureFila(from, to);
}

// Empties the row (reporting each cleared cell) and removes it; the current
// row number and the scroll position stay as they were. Deleting the only
// used row empties the grid instead, keeping its size.
void TGridEx::EsborrarFila(int32_t Fila) {
    if (Fila < FixedRows() || Fila >= RowCount()) return;
    const int32_t fila = FilaActual();
    const int32_t top = TopRow();
    if (Fila == FixedRows() && FilesUsades() == 1) {
        Netejar(false);
    } else {
        for (int32_t c = 0; c < ColCount(); ++c)
            EscriureCella(Fila, c, std::string());
        if (RowCount() > FixedRows() + 1) {
            model_->RemoveRow(Fila);
            row_ = std::min(RowAfterMove(row_, Fila, RowCount()), RowCount() - 1);
            UpdateEditor();
        }
    }
    if (top >= FixedRows()) SetTopRow(top);
    if (fila >= FixedRows() && fila < RowCount()) PosarFilaActual(fila);
}

void TGridEx::Netejar(bool Reiniciar) {
    const int32_t fixedRows = FixedRows();
    const int32_t fixedCols = fixedCols_;
    for (int32_t r = 0; r <= model_->LastUsedRow(); ++r) {
        if (model_->RowIsEmpty(r)) continue;
        for (int32_t c = 0; c < ColCount(); ++c) {
            if (!model_->Cell(r, c).empty()) EscriureCella(r, c, std::string());
        }
    }
    if (autoAmples_) {
        for (int32_t c = 0; c < ColCount(); ++c)
            AutoWiden(c, std::string());
        for (int32_t c = 1; c < ColCount(); ++c)
            SetColWidths(c, 0);
    }
    if (Reiniciar) {
        if (autoAmples_) SetColCount(1);
        SetRowCount(1);
        if (fixedCols > 0) {
            SetColCount(fixedCols + 1);
            SetFixedCols(fixedCols);
        }
        if (fixedRows > 0) {
            SetRowCount(fixedRows + 1);
            SetFixedRows(fixedRows);
        }
    }
    if (seleccio_) seleccio_->Clear();
    ApplyTitols();
    Invalidate();
}
