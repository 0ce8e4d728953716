#pragma once

// TGridCells: where a TGridEx finds its cells. A grid keeps its own store
// (TGridStore) unless it is given other cells to show, such as a document
// that lives without any window; the grid then reads from them and hands its
// own writes (an in-place edit, a row operation) to them. Cells that change
// on their own tell the grid through TGridEx::CellsChanged and CellsReshaped.

#include <cstdint>
#include <string>
#include <string_view>

class TGridCells {
public:
    virtual ~TGridCells() = default;

    virtual int32_t RowCount() const = 0;
    virtual int32_t ColCount() const = 0;
    // Sizes of at least 1; cells cut off by a smaller size are lost.
    virtual void SetRowCount(int32_t rows) = 0;
    virtual void SetColCount(int32_t cols) = 0;

    // The empty text outside the cells. The view is valid until the row changes.
    virtual std::string_view Cell(int32_t row, int32_t col) const = 0;
    // Stores text in a cell inside the cells; returns the text it replaces.
    virtual std::string SetCell(int32_t row, int32_t col, std::string_view text) = 0;

    virtual bool RowIsEmpty(int32_t row) const = 0;
    // The last row with any non-empty cell, or -1 when every cell is empty.
    virtual int32_t LastUsedRow() const = 0;

    // Takes row `from` out and puts it in at `to`, shifting the rows between
    // (both must lie inside).
    virtual void MoveRow(int32_t from, int32_t to) = 0;
    // Removes a row (inside, and not the only one).
    virtual void RemoveRow(int32_t row) = 0;
};
