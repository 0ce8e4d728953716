#include "controls/grid/gridmodel.h"

#include <QMetaObject>
#include <algorithm>

TGridModel::TGridModel(int32_t rows, int32_t cols, QObject* parent)
    : QAbstractTableModel(parent), store_(rows, cols), reportedRows_(store_.RowCount()) {}

QModelIndex TGridModel::ViewIndex(int32_t row, int32_t col) const {
    return index(row - fixedRows_, col);
}

void TGridModel::SetCells(TGridCells* cells) {
    beginResetModel();
    cells_ = cells != nullptr ? cells : &store_;
    fixedRows_ = std::clamp(fixedRows_, 0, cells_->RowCount() - 1);
    reportedRows_ = cells_->RowCount();
    syncPending_ = false;
    endResetModel();
    emit fixedRowsChanged();
}

void TGridModel::SetRowCount(int32_t rows) {
    rows = std::max(rows, 1);
    if (rows == cells_->RowCount()) return;
    if (rows <= fixedRows_) {
        beginResetModel();
        cells_->SetRowCount(rows);
        fixedRows_ = rows - 1;
        reportedRows_ = rows;
        endResetModel();
        emit fixedRowsChanged();
        return;
    }
    cells_->SetRowCount(rows);
    CellsReshaped();
}

// Rows taken away are reported at once (the views then ask nothing of them);
// rows added are reported when control returns to the event loop.
void TGridModel::CellsReshaped() {
    if (cells_->RowCount() < reportedRows_) {
        ReportFewerRows();
    } else if (cells_->RowCount() > reportedRows_) {
        ScheduleSync();
    }
}

void TGridModel::ReportFewerRows() {
    const int32_t rows = cells_->RowCount();
    if (rows <= fixedRows_) {
        beginResetModel();
        fixedRows_ = rows - 1;
        reportedRows_ = rows;
        endResetModel();
        emit fixedRowsChanged();
        return;
    }
    beginRemoveRows({}, rows - fixedRows_, reportedRows_ - fixedRows_ - 1);
    reportedRows_ = rows;
    endRemoveRows();
}

void TGridModel::SyncRows() {
    syncPending_ = false;
    const int32_t rows = cells_->RowCount();
    if (rows <= reportedRows_) return;
    beginInsertRows({}, reportedRows_ - fixedRows_, rows - fixedRows_ - 1);
    reportedRows_ = rows;
    endInsertRows();
}

void TGridModel::ScheduleSync() {
    if (syncPending_) return;
    syncPending_ = true;
    QMetaObject::invokeMethod(this, &TGridModel::SyncRows, Qt::QueuedConnection);
}

void TGridModel::SetColCount(int32_t cols) {
    cols = std::max(cols, 1);
    const int32_t old = cells_->ColCount();
    if (cols == old) return;
    if (cols > old) {
        beginInsertColumns({}, old, cols - 1);
        cells_->SetColCount(cols);
        endInsertColumns();
    } else {
        beginRemoveColumns({}, cols, old - 1);
        cells_->SetColCount(cols);
        endRemoveColumns();
    }
    emit fixedRowsChanged();
}

void TGridModel::SetFixedRows(int32_t fixedRows) {
    fixedRows = std::clamp(fixedRows, 0, cells_->RowCount() - 1);
    if (fixedRows == fixedRows_) return;
    beginResetModel();
    fixedRows_ = fixedRows;
    reportedRows_ = cells_->RowCount();
    endResetModel();
    emit fixedRowsChanged();
}

std::string TGridModel::SetCell(int32_t row, int32_t col, std::string_view text) {
    std::string old = cells_->SetCell(row, col, text);
    if (old != text) NotifyRows(row, row);
    return old;
}

void TGridModel::MoveRow(int32_t from, int32_t to) {
    cells_->MoveRow(from, to);
    NotifyRows(std::min(from, to), std::max(from, to));
}

// The rows from `row` down repaint, and the views hear of one row fewer.
void TGridModel::RemoveRow(int32_t row) {
    if (row < fixedRows_ || row >= cells_->RowCount() || cells_->RowCount() <= fixedRows_ + 1) {
        return;
    }
    SyncRows();
    cells_->RemoveRow(row);
    CellsReshaped();
    NotifyRows(row, reportedRows_ - 1);
}

void TGridModel::NotifyRows(int32_t first, int32_t last) {
    if (first < fixedRows_) emit fixedRowsChanged();
    first = std::max(first, fixedRows_);
    last = std::min(last, reportedRows_ - 1);
    if (first > last) return;
    emit dataChanged(ViewIndex(first, 0), ViewIndex(last, cells_->ColCount() - 1),
                     {Qt::DisplayRole});
}

int TGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : reportedRows_ - fixedRows_;
}

int TGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : cells_->ColCount();
}

std::string TGridModel::AccessibleText(int32_t row, int32_t col) const {
    return accessibleText_ ? accessibleText_(row, col) : std::string(cells_->Cell(row, col));
}

QVariant TGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::AccessibleTextRole)
        return QString::fromStdString(AccessibleText(GridRow(index), index.column()));
    if (role != Qt::DisplayRole) return {};
    const std::string_view text = cells_->Cell(GridRow(index), index.column());
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QVariant TGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    const bool text = role == Qt::AccessibleTextRole || role == Qt::DisplayRole;
    if (orientation != Qt::Horizontal || !text)
        return QAbstractTableModel::headerData(section, orientation, role);
    QStringList titles;
    for (int32_t row = 0; row < fixedRows_; ++row) {
        const QString title = QString::fromStdString(AccessibleText(row, section)).simplified();
        if (!title.isEmpty()) titles << title;
    }
    return titles.join(QLatin1Char(' '));
}

Qt::ItemFlags TGridModel::flags(const QModelIndex& index) const {
    // Selectable: the view's selection is the grid's current row.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
