#pragma once

// TEditorGrid: the in-place editor of an editing TGridEx, a single-line text
// editor that the grid places over its current cell. Every change of its text
// is written into that cell. Backspace and Enter go to the grid's key
// handling first; the keys that leave the cell (Up, Down, Page Up, Page Down,
// Escape, Tab, and Left or Right at either end of the text) go to the grid.

#include <QLineEdit>
#include <cstdint>

class TGridEx;

class TEditorGrid : public QLineEdit {
    Q_OBJECT

public:
    explicit TEditorGrid(TGridEx& grid);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;

private:
    bool LeavesCell(const QKeyEvent& event) const;

    TGridEx& grid_;
    // The grid's current cell when the editor last received the focus.
    int32_t columna_ = 0;
    int32_t fila_ = 0;
};
