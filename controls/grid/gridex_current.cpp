// TGridEx: the current cell, scrolling and repainting.

#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <algorithm>

#include "controls/grid/gridex.h"
#include "controls/grid/gridfixedrows.h"
#include "controls/grid/gridmodel.h"

int32_t TGridEx::FilaActual() const {
    return std::max(row_, FixedRows());
}

int32_t TGridEx::ColumnaActual() const {
    const int32_t c = std::max(col_, fixedCols_);
    return c == 0 && !columnaZero_ ? 1 : c;
}

void TGridEx::SetRow(int32_t row) {
    if (row < FixedRows() || row >= RowCount()) return;
    if (row != row_) {
        const int32_t old = row_;
        row_ = row;
        InvalidateRows(old, old);
        InvalidateRows(row, row);
        UpdateEditor();
        ScheduleAccessibleSync();
        if (OnCurrentRowChanged) OnCurrentRowChanged(this);
    }
    ScrollToCurrent();
}

void TGridEx::SetCol(int32_t col) {
    if (col < fixedCols_ || col >= ColCount() || col == col_) return;
    col_ = col;
    InvalidateRows(row_, row_);
    UpdateEditor();
    ScheduleAccessibleSync();
}

void TGridEx::ClampCurrentCell() {
    row_ = std::clamp(row_, FixedRows(), RowCount() - 1);
    col_ = std::clamp(col_, fixedCols_, ColCount() - 1);
    UpdateEditor();
    ScheduleAccessibleSync();
}

// Selecting a row past the last one grows a dynamic grid; an editable grid
// does not go further than one row past its used rows.
void TGridEx::PosarFilaActual(int32_t Fila) {
    const int32_t r = std::max(Fila, 0);
    const bool same = FilaActual() == r;
    if (editable_ && r > FilesUsades() + 1) return;
    if (dinamic_ && r + 1 > RowCount()) SetRowCount(std::min(r + 1, kMaxGridRows));
    if (r < RowCount()) SetRow(r);
    if (!same) FollowedCellMoved(textAbans_);
    cellaSeguida_.Fila = FilaActual();
}

void TGridEx::PosarColumnaActual(int32_t Columna) {
    const bool same = ColumnaActual() == Columna;
    SetCol(Columna);
    if (!same) FollowedCellMoved(textAbans_);
    cellaSeguida_.Columna = ColumnaActual();
}

// While editing, leaving a cell accepts its value and reports it as changed
// when it differs from the text it had when it was entered.
void TGridEx::FollowedCellMoved(const std::string& textOnEntry) {
    if (!editant_) return;
    const std::string entry = textOnEntry;
    AcceptarCella();
    const std::string now = LlegirCella(cellaSeguida_.Fila, cellaSeguida_.Columna);
    if (OnCanviarDades && now != entry) {
        OnCanviarDades(this, cellaSeguida_.Fila, cellaSeguida_.Columna, entry, now);
    }
}

int32_t TGridEx::TopRow() const {
    return FixedRows() + verticalScrollBar()->value();
}

void TGridEx::SetTopRow(int32_t row) {
    model_->SyncRows();
    verticalScrollBar()->setValue(row - FixedRows());
}

int32_t TGridEx::VisibleRowCount() const {
    return std::max(1, viewport()->height() / defaultRowHeight_);
}

void TGridEx::ScrollToCurrent() {
    if (!isVisible()) return;  // showEvent scrolls
    model_->SyncRows();
    const int32_t view = row_ - FixedRows();
    const int32_t top = verticalScrollBar()->value();
    if (view < top) {
        verticalScrollBar()->setValue(view);
    } else if (view >= top + VisibleRowCount()) {
        verticalScrollBar()->setValue(view - VisibleRowCount() + 1);
    }
}

QRect TGridEx::CellRect(int32_t col, int32_t row) const {
    if (col < 0 || col >= ColCount() || row < 0 || row >= RowCount() || isColumnHidden(col)) {
        return {};
    }
    if (row < FixedRows()) {
        const QRect r = fixedHeader_->CellRect(col, row);
        return r.translated(fixedHeader_->mapTo(this, QPoint(0, 0)));
    }
    const QRect r = visualRect(model_->ViewIndex(row, col));
    if (!r.isValid() || !viewport()->rect().intersects(r)) return {};
    return r.adjusted(0, 0, -1, -1).translated(viewport()->mapTo(this, QPoint(0, 0)));
}

void TGridEx::SetCells(TGridCells* cells) {
    model_->SetCells(cells);
    ClampCurrentCell();
    updateGeometries();
    Invalidate();
}

void TGridEx::CellsChanged(int32_t first, int32_t last) {
    model_->CellsChanged(first, last);
}

void TGridEx::CellsReshaped() {
    model_->CellsReshaped();
    ClampCurrentCell();
}

void TGridEx::Invalidate() {
    viewport()->update();
    fixedHeader_->viewport()->update();
}

// A cell change repaints its whole row: the owner's drawing of a row may
// follow any of its cells (the tape greys a linked row). A change of the
// current row is told to assistive technology.
void TGridEx::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                          const QList<int>&) {
    const int32_t first = model_->GridRow(topLeft);
    const int32_t last = model_->GridRow(bottomRight);
    InvalidateRows(first, last);
    if (row_ >= first && row_ <= last) ScheduleAccessibleSync();
}

void TGridEx::InvalidateRows(int32_t first, int32_t last) {
    if (!isVisible()) return;
    if (first < FixedRows()) fixedHeader_->viewport()->update();
    first = std::max(first, FixedRows());
    const int32_t top = TopRow();
    first = std::max(first, top);
    last = std::min(last, top + VisibleRowCount());
    if (first > last) return;
    const int y = (first - top) * defaultRowHeight_;
    const int h = (last - first + 1) * defaultRowHeight_;
    viewport()->update(QRect(0, y, viewport()->width(), h));
}

bool TGridEx::IsActiveControl() const {
    const QWidget* focus = window()->focusWidget();
    return focus != nullptr && (focus == this || isAncestorOf(focus));
}

void TGridEx::showEvent(QShowEvent* event) {
    QTableView::showEvent(event);
    model_->SyncRows();
    ScrollToCurrent();
    UpdateEditor();
}

void TGridEx::scrollContentsBy(int dx, int dy) {
    QTableView::scrollContentsBy(dx, dy);
    PlaceEditor();
}

void TGridEx::updateGeometries() {
    fixedHeader_->setVisible(FixedRows() > 0);
    QTableView::updateGeometries();
    PlaceEditor();
}
