#pragma once

// Hands every cell the table view paints to TGridEx::PaintCell, so that the
// grid draws its cells the one way whether they are fixed or not.

#include <QStyledItemDelegate>

class TGridEx;

class TGridCellDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit TGridCellDelegate(TGridEx& grid);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    TGridEx& grid_;
};
