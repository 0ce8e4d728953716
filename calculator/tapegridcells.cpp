#include "calculator/tapegridcells.h"

#include "tape/tapeengine.h"

bool TapeFieldOfColumn(int32_t col, TTapeField& field) {
    if (col < kValueColumn || col >= kValueColumn + kTapeFieldCount) return false;
    field = static_cast<TTapeField>(col - kValueColumn);
    return true;
}

int32_t TTapeGridCells::RowCount() const {
    return engine_->Tape().RowCount();
}

void TTapeGridCells::SetRowCount(int32_t rows) {
    engine_->Edit(TRoomEdit{rows});
}

std::string_view TTapeGridCells::Cell(int32_t row, int32_t col) const {
    TTapeField field{};
    return TapeFieldOfColumn(col, field) ? engine_->Tape().Field(row, field) : std::string_view();
}

std::string TTapeGridCells::SetCell(int32_t row, int32_t col, std::string_view text) {
    TTapeField field{};
    if (!TapeFieldOfColumn(col, field)) return {};
    std::string old(engine_->Tape().Field(row, field));
    engine_->Edit(TFieldEdit{row, field, std::string(text)});
    return old;
}

bool TTapeGridCells::RowIsEmpty(int32_t row) const {
    return engine_->Tape().Row(row).IsEmpty();
}

int32_t TTapeGridCells::LastUsedRow() const {
    return engine_->Tape().UsedRows() - 1;
}

void TTapeGridCells::MoveRow(int32_t from, int32_t to) {
    engine_->Edit(TRowMoveEdit{from, to});
}

void TTapeGridCells::RemoveRow(int32_t row) {
    engine_->Edit(TRowRemoveEdit{row});
}
