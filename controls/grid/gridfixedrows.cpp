#include "controls/grid/gridfixedrows.h"

#include <QMouseEvent>
#include <QPainter>

#include "controls/grid/gridex.h"

TGridFixedRows::TGridFixedRows(TGridEx& grid) : QHeaderView(Qt::Horizontal, &grid), grid_(grid) {
    setObjectName(QStringLiteral("FixedRows"));
    setSectionsClickable(false);
    setSectionsMovable(false);
    setHighlightSections(false);
    setSectionResizeMode(QHeaderView::Fixed);
    setMinimumSectionSize(0);
}

QSize TGridFixedRows::sizeHint() const {
    return QSize(QHeaderView::sizeHint().width(), grid_.FixedRows() * grid_.DefaultRowHeight());
}

QRect TGridFixedRows::CellRect(int col, int row) const {
    const int h = grid_.DefaultRowHeight();
    const int x = sectionViewportPosition(col);
    return QRect(x, row * h, sectionSize(col) - 1, h - 1);
}

void TGridFixedRows::paintEvent(QPaintEvent* event) {
    grid_.PreparePaint();
    QHeaderView::paintEvent(event);
}

void TGridFixedRows::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    const int h = grid_.DefaultRowHeight();
    QStyleOptionViewItem option;
    option.initFrom(&grid_);
    const QColor line = QColor::fromRgba(static_cast<QRgb>(
        grid_.style()->styleHint(QStyle::SH_Table_GridLineColor, &option, &grid_)));
    for (int row = 0; row < grid_.FixedRows(); ++row) {
        const QRect cell(rect.left(), rect.top() + row * h, rect.width() - 1, h - 1);
        grid_.PaintCell(*painter, logicalIndex, row, cell);
        painter->setPen(line);
        painter->drawLine(cell.topRight() + QPoint(1, 0), cell.bottomRight() + QPoint(1, 1));
        painter->drawLine(cell.bottomLeft() + QPoint(0, 1), cell.bottomRight() + QPoint(1, 1));
    }
}

void TGridFixedRows::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint pos = event->position().toPoint();
    const int col = logicalIndexAt(pos.x());
    const int row = pos.y() / grid_.DefaultRowHeight();
    grid_.CellPressed(col >= 0 && row < grid_.FixedRows() ? TCellaGrid{col, row}
                                                          : TCellaGrid{-1, -1});
}

// A double click on the titles is a double click on the grid.
void TGridFixedRows::mouseDoubleClickEvent(QMouseEvent* event) {
    grid_.mouseDoubleClickEvent(event);
}

// Sections are neither pressed, moved nor resized by the mouse.
void TGridFixedRows::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}
void TGridFixedRows::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}
