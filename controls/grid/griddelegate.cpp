#include "controls/grid/griddelegate.h"

#include "controls/grid/gridex.h"
#include "controls/grid/gridmodel.h"

TGridCellDelegate::TGridCellDelegate(TGridEx& grid) : QStyledItemDelegate(&grid), grid_(grid) {}

void TGridCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    grid_.PaintCell(*painter, index.column(), index.row() + grid_.FixedRows(), option.rect);
}
