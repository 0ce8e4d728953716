#pragma once

// The fixed rows of a TGridEx, drawn as the table view's horizontal header: a
// band as high as the fixed rows, whose sections are the grid's columns, so
// that widths, hidden columns and horizontal scrolling follow the cells below.
// Presses on it reach the grid as presses on fixed cells.

#include <QHeaderView>

#include "controls/grid/gridtypes.h"

class TGridEx;

class TGridFixedRows : public QHeaderView {
    Q_OBJECT

public:
    explicit TGridFixedRows(TGridEx& grid);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }
    // Where fixed cell (col, row) lies in this header.
    QRect CellRect(int col, int row) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    TCellaGrid CellAt(QPoint pos) const;

    TGridEx& grid_;
};
