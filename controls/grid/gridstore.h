#pragma once

// The cells of a string grid, without any window: a rectangle of RowCount by
// ColCount texts, stored row by row.
//
// A row packs its cells into one byte string, each cell as its length (7 bits
// a byte, low bits first) followed by its bytes, up to its last non-empty cell;
// a tape row such as "1234.5" and "+" so fits in the string's own buffer and
// costs no allocation, and an empty row is an empty string. The store caches
// its last row holding any text, so that the used-row count of a tape of many
// thousands of rows costs next to nothing.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "controls/grid/gridcells.h"

class TGridStore : public TGridCells {
public:
    TGridStore(int32_t rows, int32_t cols);

    int32_t RowCount() const override { return static_cast<int32_t>(rows_.size()); }
    int32_t ColCount() const override { return cols_; }
    bool Contains(int32_t row, int32_t col) const {
        return row >= 0 && row < RowCount() && col >= 0 && col < cols_;
    }

    // Sizes of at least 1; cells cut off by a smaller size are lost.
    void SetRowCount(int32_t rows) override;
    void SetColCount(int32_t cols) override;

    // The empty text outside the store. The view is valid until the row changes.
    std::string_view Cell(int32_t row, int32_t col) const override;
    // Stores text in a cell inside the store; returns the text it replaces.
    std::string SetCell(int32_t row, int32_t col, std::string_view text) override;

    bool RowIsEmpty(int32_t row) const override { return rows_[static_cast<size_t>(row)].empty(); }
    // The last row with any non-empty cell, or -1 when every cell is empty.
    int32_t LastUsedRow() const override;

    // Takes row `from` out and puts it in at `to`, shifting the rows between
    // (both must lie inside the store).
    void MoveRow(int32_t from, int32_t to) override;
    // Removes a row (inside the store, and not the only one).
    void RemoveRow(int32_t row) override;

private:
    void NoteRowChange(int32_t row);
    void ForgetLastUsed(int32_t fromRow) const;

    std::vector<std::string> rows_;  // packed rows
    int32_t cols_;
    // Every row above lastUsedBound_ is empty; the exact last used row is
    // found from there, downwards, when asked for.
    mutable int32_t lastUsedBound_ = -1;
    mutable bool lastUsedExact_ = true;
};
