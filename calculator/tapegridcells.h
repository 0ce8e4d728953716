#pragma once

// TTapeGridCells: the tape document as the cells of the tape grid. Column 0
// is hidden and unused; columns 1 to 4 are the value, the operator, the link
// and the comment of each row. What the grid writes (an in-place edit, a row
// operation of its own) goes to the tape as one user action of the engine,
// so it can be undone.

#include "controls/grid/gridcells.h"
#include "tape/tapecells.h"

class TTapeEngine;

constexpr int32_t kValueColumn = 1;
constexpr int32_t kOperatorColumn = 2;
constexpr int32_t kLinkColumn = 3;
constexpr int32_t kCommentColumn = 4;
constexpr int32_t kTapeColumns = 5;

// The field a grid column shows; false for column 0 and columns past them.
bool TapeFieldOfColumn(int32_t col, TTapeField& field);

class TTapeGridCells : public TGridCells {
public:
    explicit TTapeGridCells(TTapeEngine& engine) : engine_(&engine) {}
    // The cells of another tape.
    void Follow(TTapeEngine& engine) { engine_ = &engine; }

    int32_t RowCount() const override;
    int32_t ColCount() const override { return cols_; }
    void SetRowCount(int32_t rows) override;
    void SetColCount(int32_t cols) override { cols_ = cols; }
    std::string_view Cell(int32_t row, int32_t col) const override;
    std::string SetCell(int32_t row, int32_t col, std::string_view text) override;
    bool RowIsEmpty(int32_t row) const override;
    int32_t LastUsedRow() const override;
    void MoveRow(int32_t from, int32_t to) override;
    void RemoveRow(int32_t row) override;

private:
    TTapeEngine* engine_;
    int32_t cols_ = kTapeColumns;
};
