// TTapeDocument: whole rows, the room, and recorded changes swapped back in.

#include <algorithm>
#include <iterator>

#include "basic/rowmoves.h"
#include "tape/tapedocument.h"

namespace {

// Whether the change an action recorded last is a change of the room.
bool EndsWithRoomChange(TTapeChangeLog& log) {
    return !log.Empty() && std::holds_alternative<TRowCountSwap>(log.Changes().back());
}

}  // namespace

// The empty row after the used ones (the one after the first free row, so a
// current first free row moves down with the rows) travels up to `row`.
void TTapeDocument::InsertRow(int32_t row) {
    const int32_t used = UsedRows();
    if (row < 0 || used < row) return;
    if (used >= rowCount_) SetRowCount(rowCount_ + 1);
    const int32_t from = std::min(used + 1, rowCount_ - 1);
    if (row < from) MoveRow(from, row);
}

// Deleting the only used row empties the tape instead, keeping its room. The
// current row keeps its number while it lies within the room.
void TTapeDocument::DeleteRow(int32_t row) {
    if (row < 0 || row >= rowCount_) return;
    const int32_t current = currentRow_;
    if (row == 0 && UsedRows() == 1) {
        Clear();
    } else if (rowCount_ > 1) {
        RemoveRow(row);
    } else {
        for (int i = 0; i < kTapeFieldCount; ++i)
            WriteField(row, static_cast<TTapeField>(i), {});
    }
    if (current < rowCount_) SetCurrentRow(current);
}

// The history keeps the rows as they were; they take no more room there than
// they need.
void TTapeDocument::Clear() {
    if (rows_.empty()) return;
    const int32_t used = UsedRows();
    if (log_ != nullptr) rows_.shrink_to_fit();
    Record(TAllRowsSwap{std::move(rows_)});
    rows_.clear();
    forwardLinks_.clear();
    RowsReplacedFrom(0);
    RowsChanged(0, used - 1);
}

void TTapeDocument::ReplaceRows(std::vector<TTapeRow> rows, bool linkField) {
    const int32_t before = UsedRows();
    SetLinkField(linkField);
    if (static_cast<int64_t>(rows.size()) >= kMaxRows) rows.resize(kMaxRows - 1);
    Record(TAllRowsSwap{std::move(rows_)});
    rows_ = std::move(rows);
    DropTrailingEmptyRows();
    FindForwardLinks();
    RowsReplacedFrom(0);
    GrowTo(UsedRows() + 1);
    RowsChanged(0, std::max(before, UsedRows()) - 1);
}

// Only for a tape about to be dropped or loaded elsewhere: nothing is
// recorded and nobody is told.
std::vector<TTapeRow> TTapeDocument::TakeRows() {
    std::vector<TTapeRow> rows = std::move(rows_);
    rows_.clear();
    forwardLinks_.clear();
    return rows;
}

void TTapeDocument::SetRowCount(int32_t rows) {
    rows = std::clamp(rows, 1, kMaxRows);
    if (rows == rowCount_) return;
    while (UsedRows() > rows)
        RemoveRow(UsedRows() - 1);
    // A room changed right after another change of the room (a paste grows it
    // row by row) needs no record of its own: undoing the first change puts
    // back the room from before both, and redoing it the room after both.
    if (log_ != nullptr && !EndsWithRoomChange(*log_)) Record(TRowCountSwap{rowCount_});
    rowCount_ = rows;
    RowCountChanged();
    ClampCurrentRow();
}

void TTapeDocument::MoveRow(int32_t from, int32_t to) {
    if (from < 0 || to < 0 || from >= rowCount_ || to >= rowCount_ || from == to) return;
    Record(TRowMove{to, from});  // the move that puts it back
    RotateRow(from, to);
    const int32_t current = RowAfterMove(currentRow_, from, to);
    RowsChanged(std::min(from, to), std::max(from, to));
    if (current != currentRow_) {
        currentRow_ = current;
        CurrentRowChanged();
    }
}

// The current row keeps its number, within the smaller room.
void TTapeDocument::RemoveRow(int32_t row) {
    if (row < 0 || row >= rowCount_ || rowCount_ <= 1) return;
    TTapeRow removed;
    TakeRowOut(row, &removed);
    Record(TRowPresence{row, std::move(removed), false});
    Record(TRowCountSwap{rowCount_});
    --rowCount_;
    RowsChanged(row, rowCount_);
    RowCountChanged();
    ClampCurrentRow();
}

// ---- Moving rows in the list ---------------------------------------------

void TTapeDocument::TakeRowOut(int32_t row, TTapeRow* removed) {
    if (row < UsedRows()) {
        *removed = std::move(rows_[static_cast<size_t>(row)]);
        rows_.erase(rows_.begin() + row);
        DropTrailingEmptyRows();
    }
    FindForwardLinks();
    if (sink_ != nullptr) sink_->RowRemoved(row);
}

void TTapeDocument::PutRowIn(int32_t row, TTapeRow content) {
    if (row < UsedRows()) {
        rows_.insert(rows_.begin() + row, std::move(content));
    } else if (!content.IsEmpty()) {
        rows_.resize(static_cast<size_t>(row));
        rows_.push_back(std::move(content));
    }
    FindForwardLinks();
    if (sink_ != nullptr) sink_->RowPutIn(row, Row(row));
}

void TTapeDocument::RotateRow(int32_t from, int32_t to) {
    const int32_t last = std::max(from, to);
    if (std::min(from, to) >= UsedRows()) return;  // empty rows only
    if (last >= UsedRows()) rows_.resize(static_cast<size_t>(last) + 1);
    const auto at = [this](int32_t row) { return rows_.begin() + row; };
    if (from < to) {
        std::rotate(at(from), at(from) + 1, at(to) + 1);
    } else {
        std::rotate(at(to), at(from), at(from) + 1);
    }
    DropTrailingEmptyRows();
    FindForwardLinks();
    if (sink_ != nullptr) sink_->RowMoved(from, to);
}

// ---- Recorded changes swapped back in -------------------------------------

void TTapeDocument::Apply(TTapeChange& change) {
    std::visit([this](auto& c) { ApplyChange(c); }, change);
}

void TTapeDocument::ApplyChange(TRowSwap& change) {
    const int32_t row = change.row;
    if (row >= UsedRows() && change.other.IsEmpty()) {
        change.other = TTapeRow();
    } else {
        std::swap(EditRow(row), change.other);
        DropTrailingEmptyRows();
    }
    NoteLink(row);
    if (sink_ != nullptr) sink_->RowWritten(row, Row(row));
    RowsChanged(row, row);
}

void TTapeDocument::ApplyChange(TRowPresence& change) {
    if (change.inTape) {
        TakeRowOut(change.row, &change.removed);
    } else {
        PutRowIn(change.row, std::move(change.removed));
        change.removed = TTapeRow();
    }
    change.inTape = !change.inTape;
    RowsChanged(change.row, std::max(rowCount_, UsedRows()));
}

void TTapeDocument::ApplyChange(TRowMove& change) {
    RotateRow(change.from, change.to);
    RowsChanged(std::min(change.from, change.to), std::max(change.from, change.to));
    std::swap(change.from, change.to);
}

void TTapeDocument::ApplyChange(TRowCountSwap& change) {
    std::swap(rowCount_, change.other);
    RowCountChanged();
}

void TTapeDocument::ApplyChange(TLinkFieldSwap& change) {
    std::swap(linkField_, change.other);
    if (sink_ != nullptr) sink_->LinkFieldSet(linkField_);
}

void TTapeDocument::ApplyChange(TAllRowsSwap& change) {
    const int32_t before = UsedRows();
    std::swap(rows_, change.other);
    FindForwardLinks();
    RowsReplacedFrom(0);
    RowsChanged(0, std::max(before, UsedRows()) - 1);
}

void TTapeDocument::ApplyChange(TRowsTail& change) {
    const int32_t before = UsedRows();
    const auto first = static_cast<size_t>(std::min(change.first, before));
    std::vector<TTapeRow> tail(std::make_move_iterator(rows_.begin() + first),
                               std::make_move_iterator(rows_.end()));
    rows_.resize(first);
    if (!change.other.empty()) {
        rows_.resize(static_cast<size_t>(change.first));
        std::move(change.other.begin(), change.other.end(), std::back_inserter(rows_));
    }
    change.other = std::move(tail);
    DropTrailingEmptyRows();
    FindForwardLinks();
    RowsReplacedFrom(change.first);
    RowsChanged(change.first, std::max(before, UsedRows()) - 1);
}
