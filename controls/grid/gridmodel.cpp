#include "controls/grid/gridmodel.h"

#include <QMetaObject>
#include <algorithm>

TGridModel::TGridModel(int32_t rows, int32_t cols, QObject* parent)
    : QAbstractTableModel(parent), store_(rows, cols), reportedRows_(store_.RowCount()) {}

QModelIndex TGridModel::ViewIndex(int32_t row, int32_t col) const {
    return index(row - fixedRows_, col);
}

void TGridModel::SetRowCount(int32_t rows) {
    rows = std::max(rows, 1);
    if (rows == store_.RowCount()) return;
    if (rows <= fixedRows_) {
        beginResetModel();
        store_.SetRowCount(rows);
        fixedRows_ = rows - 1;
        reportedRows_ = rows;
        endResetModel();
        emit fixedRowsChanged();
        return;
    }
    if (rows < reportedRows_) {
        beginRemoveRows({}, rows - fixedRows_, reportedRows_ - fixedRows_ - 1);
        store_.SetRowCount(rows);
        reportedRows_ = rows;
        endRemoveRows();
        return;
    }
    store_.SetRowCount(rows);
    ScheduleSync();
}

void TGridModel::SyncRows() {
    syncPending_ = false;
    const int32_t rows = store_.RowCount();
    if (rows == reportedRows_) return;
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
    const int32_t old = store_.ColCount();
    if (cols == old) return;
    if (cols > old) {
        beginInsertColumns({}, old, cols - 1);
        store_.SetColCount(cols);
        endInsertColumns();
    } else {
        beginRemoveColumns({}, cols, old - 1);
        store_.SetColCount(cols);
        endRemoveColumns();
    }
    emit fixedRowsChanged();
}

void TGridModel::SetFixedRows(int32_t fixedRows) {
    fixedRows = std::clamp(fixedRows, 0, store_.RowCount() - 1);
    if (fixedRows == fixedRows_) return;
    beginResetModel();
    fixedRows_ = fixedRows;
    reportedRows_ = store_.RowCount();
    endResetModel();
    emit fixedRowsChanged();
}

std::string TGridModel::SetCell(int32_t row, int32_t col, std::string_view text) {
    std::string old = store_.SetCell(row, col, text);
    if (old != text) NotifyRows(row, row);
    return old;
}

void TGridModel::MoveRow(int32_t from, int32_t to) {
    store_.MoveRow(from, to);
    NotifyRows(std::min(from, to), std::max(from, to));
}

void TGridModel::RemoveRow(int32_t row) {
    if (row < fixedRows_ || row >= store_.RowCount() || store_.RowCount() <= fixedRows_ + 1) {
        return;
    }
    SyncRows();
    beginRemoveRows({}, row - fixedRows_, row - fixedRows_);
    store_.RemoveRow(row);
    reportedRows_ = store_.RowCount();
    endRemoveRows();
}

void TGridModel::NotifyRows(int32_t first, int32_t last) {
    if (first < fixedRows_) emit fixedRowsChanged();
    first = std::max(first, fixedRows_);
    last = std::min(last, reportedRows_ - 1);
    if (first > last) return;
    emit dataChanged(ViewIndex(first, 0), ViewIndex(last, store_.ColCount() - 1),
                     {Qt::DisplayRole});
}

int TGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : reportedRows_ - fixedRows_;
}

int TGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : store_.ColCount();
}

std::string TGridModel::ShownText(int32_t row, int32_t col) const {
    return shownText_ ? shownText_(row, col) : std::string(store_.Cell(row, col));
}

QVariant TGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::AccessibleTextRole)
        return QString::fromStdString(ShownText(GridRow(index), index.column()));
    if (role != Qt::DisplayRole) return {};
    const std::string_view text = store_.Cell(GridRow(index), index.column());
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QVariant TGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    const bool text = role == Qt::AccessibleTextRole || role == Qt::DisplayRole;
    if (orientation != Qt::Horizontal || !text)
        return QAbstractTableModel::headerData(section, orientation, role);
    QStringList titles;
    for (int32_t row = 0; row < fixedRows_; ++row) {
        const QString title = QString::fromStdString(ShownText(row, section)).simplified();
        if (!title.isEmpty()) titles << title;
    }
    return titles.join(QLatin1Char(' '));
}

Qt::ItemFlags TGridModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled : Qt::NoItemFlags;
}
