#include "controls/grid/editorgrid.h"

#include <QKeyEvent>

#include "controls/grid/gridex.h"
#include "controls/platform/keyboard.h"

TEditorGrid::TEditorGrid(TGridEx& grid) : QLineEdit(grid.viewport()), grid_(grid) {
    setObjectName(QStringLiteral("EditorGrid"));
    setFrame(false);
    hide();
}

bool TEditorGrid::LeavesCell(const QKeyEvent& event) const {
    switch (event.key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Escape:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Insert:
            return true;
        case Qt::Key_Left:
            return cursorPosition() == 0 && !hasSelectedText();
        case Qt::Key_Right:
            return cursorPosition() == text().size() && !hasSelectedText();
        default:
            return false;
    }
}

void TEditorGrid::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (IsEnter(key) || key == Qt::Key_Backspace || LeavesCell(*event)) {
        int handed = key == Qt::Key_Backtab ? int(Qt::Key_Tab) : key;
        grid_.KeyDown(handed, event->modifiers());
        // A Backspace the grid leaves alone deletes a character as usual.
        if (key == Qt::Key_Backspace && handed != 0) QLineEdit::keyPressEvent(event);
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TEditorGrid::focusInEvent(QFocusEvent* event) {
    columna_ = grid_.ColumnaActual();
    fila_ = grid_.FilaActual();
    QLineEdit::focusInEvent(event);
}

void TEditorGrid::focusOutEvent(QFocusEvent* event) {
    grid_.SortirCella(text().toStdString(), columna_, fila_);
    QLineEdit::focusOutEvent(event);
    grid_.FocusLeftGrid(event->reason());
}

// Tab goes to the grid rather than to the next control.
bool TEditorGrid::event(QEvent* event) {
    if (QKeyEvent* tab = TabKeyPress(event)) {
        keyPressEvent(tab);
        return true;
    }
    return QLineEdit::event(event);
}
