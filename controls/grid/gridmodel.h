#pragma once

// The cells of a TGridEx as a Qt table model. The model owns a cell store, or
// shows cells it is given (TGridCells), and tells the views about what
// changes: a written cell repaints its row, and moved rows repaint their range.
//
// The view shows the rows below the fixed rows; the fixed rows are drawn by the
// grid's header (TGridFixedRows). View row v is grid row v + FixedRows.
//
// A tape grows by one row at a time, often thousands of times in a row (a
// paste, a restored tape). The views hear of a changed row count once, when
// control returns to the event loop or when SyncRows is called, rather than
// once for every row.

#include <QAbstractTableModel>
#include <functional>

#include "controls/grid/gridstore.h"

class TGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    TGridModel(int32_t rows, int32_t cols, QObject* parent = nullptr);

    std::string_view Cell(int32_t row, int32_t col) const { return cells_->Cell(row, col); }
    int32_t RowCount() const { return cells_->RowCount(); }
    int32_t ColCount() const { return cells_->ColCount(); }
    int32_t FixedRows() const { return fixedRows_; }
    int32_t LastUsedRow() const { return cells_->LastUsedRow(); }
    bool RowIsEmpty(int32_t row) const { return cells_->RowIsEmpty(row); }

    // Shows `cells` (which must outlive their use here), or the model's own
    // store again when given nullptr.
    void SetCells(TGridCells* cells);
    // Cells given to the model changed on their own: rows `first` to `last`,
    // or their row count.
    void CellsChanged(int32_t first, int32_t last) { NotifyRows(first, last); }
    void CellsReshaped();

    // Grid row of a view index and back.
    int32_t GridRow(const QModelIndex& index) const { return index.row() + fixedRows_; }
    QModelIndex ViewIndex(int32_t row, int32_t col) const;

    // Row and column counts of at least 1; a grid keeps one row below its
    // fixed rows, so fewer rows also lower FixedRows.
    void SetRowCount(int32_t rows);
    void SetColCount(int32_t cols);
    void SetFixedRows(int32_t fixedRows);
    // Returns the text the cell held before.
    std::string SetCell(int32_t row, int32_t col, std::string_view text);
    void MoveRow(int32_t from, int32_t to);
    // Removes a row below the fixed rows, unless it is the only one there.
    void RemoveRow(int32_t row);

    // Brings the views up to the current row count.
    void SyncRows();

    // What assistive technology reads for a cell (what it shows on screen,
    // unless the grid's owner says otherwise), and for the fixed rows as
    // column titles; without one a cell reads as its own text.
    using TAccessibleText = std::function<std::string(int32_t row, int32_t col)>;
    void SetAccessibleText(TAccessibleText text) { accessibleText_ = std::move(text); }
    std::string AccessibleText(int32_t row, int32_t col) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // The fixed rows' texts of a column, as its title (for assistive
    // technology: the grid's header draws the fixed rows itself).
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

signals:
    // A cell of a fixed row, or the columns, changed: the header repaints.
    void fixedRowsChanged();

private:
    void ScheduleSync();
    void NotifyRows(int32_t first, int32_t last);
    void ReportFewerRows();

    TGridStore store_;
    TGridCells* cells_ = &store_;
    TAccessibleText accessibleText_;
    int32_t fixedRows_ = 0;
    // The number of rows the views know of, fixed rows included.
    int32_t reportedRows_;
    bool syncPending_ = false;
};
