// TGridEx: keys, mouse and focus.

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

#include "controls/grid/editorgrid.h"
#include "controls/grid/gridex.h"
#include "controls/grid/gridmodel.h"
#include "controls/platform/keyboard.h"

namespace {

bool IsMovingKey(int key) {
    switch (key) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Tab:
            return true;
        default:
            return false;
    }
}

}  // namespace

// The grid takes Tab as it takes every other key; focus does not move on.
bool TGridEx::event(QEvent* event) {
    if (QKeyEvent* tab = TabKeyPress(event)) {
        keyPressEvent(tab);
        return true;
    }
    return QTableView::event(event);
}

void TGridEx::keyPressEvent(QKeyEvent* event) {
    int key = event->key();
    Qt::KeyboardModifiers shift = event->modifiers();
    if (key == Qt::Key_Backtab) {
        key = Qt::Key_Tab;
        shift |= Qt::ShiftModifier;
    }
    const int pressed = key;
    const bool wasEditing = editant_;
    KeyDown(key, shift);
    // Keys the grid has no use for go on to the window.
    const bool used = key == 0 || key != pressed || IsMovingKey(pressed) ||
                      (pressed == Qt::Key_Escape && wasEditing) || (IsEnter(pressed) && wasEditing);
    event->setAccepted(used);
}

void TGridEx::KeyDown(int& Key, Qt::KeyboardModifiers Shift) {
    const bool toggles = (IsEnter(Key) && opcionsSeleccio_.testFlag(osTeclaIntro)) ||
                         (Key == Qt::Key_Insert && opcionsSeleccio_.testFlag(osTeclaInsert));
    if (toggles) {
        SeleccionarFila(FilaActual(), !FilaSeleccionada(FilaActual()));
        Key = Qt::Key_Down;
    }
    // Down goes no further than one row past the used rows.
    if (Key == Qt::Key_Down && FilaActual() > FilesUsades()) {
        Key = 0;
        return;
    }
    if (!IsEnter(Key) && Key != Qt::Key_Left && Key != Qt::Key_Right) BaseKeyDown(Key, Shift);
    if (editant_ && IsEnter(Key)) {
        SortirCella(LlegirCella(FilaActual(), ColumnaActual()), ColumnaActual(), FilaActual());
    }
    if (IsEnter(Key) && introAvancar_) {
        ColumnaSeguent();
        DiscardKeyboardMessages();
        Key = 0;
    }
    switch (Key) {
        case Qt::Key_Escape:
            if (editant_) AcabarEdicio();
            break;
        case Qt::Key_Left:
            ColumnaAnterior();
            Key = 0;
            break;
        case Qt::Key_Right:
            ColumnaSeguent();
            Key = 0;
            break;
        case Qt::Key_Tab:
            if (tabAvancar_) ColumnaSeguent();
            break;
        case Qt::Key_Backspace:
            BackspaceWhileEditing(Key);
            break;
        default:
            break;
    }
    const bool moved =
        ColumnaActual() != cellaEditada_.Columna || FilaActual() != cellaEditada_.Fila;
    if (editant_ && (moved || IsEnter(Key))) ReportEditedCell();
    cellaSeguida_ = {ColumnaActual(), FilaActual()};
}

// The base grid's moves: in row-select mode Home and End go to the first and
// the last row, else to the first and the last column; with Ctrl, to a corner.
void TGridEx::BaseKeyDown(int& Key, Qt::KeyboardModifiers Shift) {
    const bool rowSelect = options_.testFlag(goRowSelect);
    const bool ctrl = Shift.testFlag(Qt::ControlModifier);
    int32_t row = row_;
    int32_t col = col_;
    switch (Key) {
        case Qt::Key_Up:
            --row;
            break;
        case Qt::Key_Down:
            ++row;
            break;
        case Qt::Key_PageUp:
            row -= VisibleRowCount();
            break;
        case Qt::Key_PageDown:
            row += VisibleRowCount();
            break;
        case Qt::Key_Home:
            if (ctrl || rowSelect) row = FixedRows();
            if (ctrl || !rowSelect) col = fixedCols_;
            break;
        case Qt::Key_End:
            if (ctrl || rowSelect) row = RowCount() - 1;
            if (ctrl || !rowSelect) col = ColCount() - 1;
            break;
        default:
            return;
    }
    SetRow(std::clamp(row, FixedRows(), RowCount() - 1));
    SetCol(std::clamp(col, fixedCols_, ColCount() - 1));
}

// With Enter or Tab moving on, Backspace at the start of the editor goes back
// a column; in a column with a length limit it deletes the character before
// the caret. Otherwise the editor deletes as usual.
void TGridEx::BackspaceWhileEditing(int& Key) {
    if (!(introAvancar_ || tabAvancar_) || !editant_ || editor_ == nullptr) return;
    const int caret =
        editor_->hasSelectedText() ? editor_->selectionStart() : editor_->cursorPosition();
    if (caret == 0) {
        ColumnaAnterior();
        Key = 0;
    } else if (Columna(ColumnaActual()).Llargada > 0) {
        QString text = editor_->text();
        text.remove(caret - 1, 1);
        editor_->setText(text);
        editor_->setCursorPosition(caret - 1);
        editor_->deselect();
        Key = 0;
    }
}

// Reports the followed cell's value after a key that moved off the edited
// cell or accepted it (Enter).
void TGridEx::ReportEditedCell() {
    const TCellaGrid cell = cellaSeguida_;
    const std::string before = textAbans_;
    const std::string now = LlegirCella(cell.Fila, cell.Columna);
    if (OnCanviarDades && now != before) OnCanviarDades(this, cell.Fila, cell.Columna, before, now);
    if (OnAcceptarValor) OnAcceptarValor(this, cell.Fila, cell.Columna, before, now);
    AdjustEditorSelection();
}

TCellaGrid TGridEx::CellAt(QPoint viewportPos) const {
    const int viewRow = rowAt(viewportPos.y());
    const int col = columnAt(viewportPos.x());
    if (viewRow < 0 || col < 0) return {-1, -1};
    return {col, viewRow + FixedRows()};
}

void TGridEx::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    CellPressed(CellAt(event->position().toPoint()));
}

// A press ends editing, or, on a data cell of an editable grid no further
// than one row past the used rows, starts it. The cell becomes current and
// OnClick reports it.
void TGridEx::CellPressed(TCellaGrid cell) {
    const bool wasEditing = editant_;
    if (wasEditing && editable_) AcabarEdicio();
    const bool valid = cell.Fila >= 0 && cell.Columna >= 0;
    if (valid) cellaSeguida_ = cell;
    if (focusPolicy() & Qt::ClickFocus) setFocus(Qt::MouseFocusReason);
    dragMoved_ = false;
    const bool dataCell = valid && cell.Fila >= FixedRows() && cell.Columna >= fixedCols_;
    if (!dataCell) return;
    SetRow(cell.Fila);
    SetCol(cell.Columna);
    if (OnClick) OnClick(this);
    if (!wasEditing && editable_ && cell.Fila <= FilesUsades() + 1) IniciarEdicio();
}

// Dragging with the button held moves the current row; the release reports
// the row it ends on.
void TGridEx::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton) || editant_) return;
    const TCellaGrid cell = CellAt(event->position().toPoint());
    if (cell.Fila < FixedRows() || cell.Fila == row_) return;
    SetRow(cell.Fila);
    dragMoved_ = true;
}

void TGridEx::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    if (dragMoved_) {
        dragMoved_ = false;
        cellaSeguida_ = {ColumnaActual(), FilaActual()};
        if (OnClick) OnClick(this);
    }
}

void TGridEx::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) CellDoubleClicked(CellAt(event->position().toPoint()));
}

// The second press of a double click: the cell under the pointer becomes the
// followed cell, whose row osDobleClick toggles before OnDblClick.
void TGridEx::CellDoubleClicked(TCellaGrid cell) {
    if (cell.Fila >= 0 && cell.Columna >= 0) cellaSeguida_ = cell;
    if (opcionsSeleccio_.testFlag(osDobleClick)) {
        SeleccionarFila(cellaSeguida_.Fila, !FilaSeleccionada(cellaSeguida_.Fila));
    }
    if (OnDblClick) OnDblClick(this);
}

// Assistive technology is told of the current cell once the focus is here.
void TGridEx::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    InvalidateRows(row_, row_);
    focusArrived_ = true;
    ScheduleAccessibleSync();
}

void TGridEx::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    FocusLeftGrid(event->reason());
}

// Focus that leaves the grid and its editor for another control ends editing;
// a window that loses the focus keeps its grid as it is.
void TGridEx::FocusLeftGrid(Qt::FocusReason reason) {
    InvalidateRows(row_, row_);
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return;
    const QWidget* now = QApplication::focusWidget();
    if (now != nullptr && (now == this || isAncestorOf(now))) return;
    if (editant_) AcabarEdicio();
}
