#include "calculator/tapegridcells.h"

#include "tape/tapeengine.h"

bool TapeFieldOfColumn(int32_t col, TTapeField& field) {
    if (col < kValueColumn || col >= kValueColumn + kTapeFieldCount) return false;
    field = static_cast<TTapeField>(col - kValueColumn);
    return true;
}

int32_t TTapeGridCells::RowCount() const {
    return engine_.Tape().RowCount();
}

void TTapeGridCells::SetRowCount(int32_t rows) {
    TTapeEngine::Action action(engine_);
    engine_.EditTape().SetRowCount(rows);
}

std::string_view TTapeGridCells::Cell(int32_t row, int32_t col) const {
    TTapeField field{};
    return TapeFieldOfColumn(col, field) ? engine_.Tape().Field(row, field) : std::string_view();
}

std::string TTapeGridCells::SetCell(int32_t row, int32_t col, std::string_view text) {
    TTapeField field{};
    if (!TapeFieldOfColumn(col, field)) return {};
    std::string old(engine_.Tape().Field(row, field));
    TTapeEngine::Action action(engine_);
    engine_.EditTape().WriteField(row, field, text);
    return old;
}

bool TTapeGridCells::RowIsEmpty(int32_t row) const {
    return engine_.Tape().Row(row).IsEmpty();
}

int32_t TTapeGridCells::LastUsedRow() const {
    return engine_.Tape().UsedRows() - 1;
}

void TTapeGridCells::MoveRow(int32_t from, int32_t to) {
    TTapeEngine::Action action(engine_);
    engine_.EditTape().MoveRow(from, to);
}

void TTapeGridCells::RemoveRow(int32_t row) {
    TTapeEngine::Action action(engine_);
    engine_.EditTape().RemoveRow(row);
}
