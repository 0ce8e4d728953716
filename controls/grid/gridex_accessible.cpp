// TGridEx for assistive technology. The grid's current cell is the table
// view's current index, and its row the view's selected row, so a screen
// reader finds the current cell focused and selected, and each move of it
// reaches the reader as a focus and a selection event.
//
// The current cell moves many times within one user action (a paste moves it
// once a line), and the views hear of new rows only when control returns to
// the event loop: the view's current index follows the grid's then, once, so
// a reader hears one move per action. A current cell whose text changed in
// place (a row deleted under it) is told again by its new name.

#include <QAccessible>
#include <QItemSelectionModel>
#include <QMetaObject>

#include "controls/grid/gridex.h"
#include "controls/grid/gridmodel.h"

std::string TGridEx::AccessibleCellText(int32_t row, int32_t col) const {
    if (OnAccessibleText && row >= FixedRows()) {
        std::string text = OnAccessibleText(this, row, col);
        if (!text.empty()) return text;
    }
    return ShownCellText(row, col);
}

void TGridEx::ScheduleAccessibleSync() {
    if (accessibleSyncPending_) return;
    accessibleSyncPending_ = true;
    QMetaObject::invokeMethod(this, &TGridEx::SyncAccessibleCurrent, Qt::QueuedConnection);
}

void TGridEx::SyncAccessibleCurrent() {
    accessibleSyncPending_ = false;
    model_->SyncRows();
    const QModelIndex cell = model_->ViewIndex(FilaActual(), ColumnaActual());
    if (!cell.isValid()) return;
    const bool moved = selectionModel()->currentIndex() != cell;
    // A move is told by currentChanged.
    selectionModel()->setCurrentIndex(
        cell, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    const bool arrived = focusArrived_;
    focusArrived_ = false;
    if (!QAccessible::isActive()) return;
    const QString text = model_->data(cell, Qt::AccessibleTextRole).toString();
    if (!moved && arrived && hasFocus()) {
        TellAccessibleCell(cell.row(), cell.column(), QAccessible::Focus);
    } else if (!moved && text != toldText_) {
        TellAccessibleCell(cell.row(), cell.column(), QAccessible::NameChanged);
    }
    toldText_ = text;
}

// QTableView tells every move, also while the focus is on another control;
// the grid tells a move only while it has the focus, which the reader then
// follows to the new cell.
void TGridEx::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QAbstractItemView::currentChanged(current, previous);
    if (current.isValid() && hasFocus() && QAccessible::isActive()) {
        TellAccessibleCell(current.row(), current.column(), QAccessible::Focus);
    }
}

// QTableView tells the first cell of a selected row, which is a hidden one on
// a grid without column 0; the grid tells the cell of the current column.
void TGridEx::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) {
    QAbstractItemView::selectionChanged(selected, deselected);
    if (!QAccessible::isActive()) return;
    const int col = ColumnaActual();
    if (!deselected.isEmpty()) {
        TellAccessibleCell(deselected.first().top(), col, QAccessible::SelectionRemove);
    }
    if (!selected.isEmpty()) {
        TellAccessibleCell(selected.first().top(), col, QAccessible::SelectionAdd);
    }
}

void TGridEx::TellAccessibleCell(int viewRow, int col, QAccessible::Event type) {
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(this);
    QAccessibleTableInterface* cells = table != nullptr ? table->tableInterface() : nullptr;
    if (cells == nullptr || viewRow < 0 || viewRow >= cells->rowCount() || col < 0 ||
        col >= cells->columnCount()) {
        return;
    }
    QAccessibleInterface* cell = cells->cellAt(viewRow, col);
    if (cell == nullptr) return;
    QAccessibleEvent event(this, type);
    event.setChild(table->indexOfChild(cell));
    QAccessible::updateAccessibility(&event);
}
