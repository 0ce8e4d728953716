#include "tape/tapereplay.h"

#include <algorithm>

#include "tape/tapedocument.h"

int32_t TTapeReplay::Room() const {
    return tape_.rowCount_;
}

bool TTapeReplay::AcceptsRow(int64_t row) {
    return row >= 0 && row < TTapeDocument::kMaxRows;
}

bool TTapeReplay::AcceptsRowCount(int64_t rows) {
    return rows >= 1 && rows <= TTapeDocument::kMaxRows;
}

bool TTapeReplay::AcceptsRows(int64_t first, int64_t count) {
    return first >= 0 && count >= 0 && first + count < TTapeDocument::kMaxRows;
}

void TTapeReplay::RowWritten(int32_t row, const TTapeRow& content) {
    if (row >= tape_.UsedRows() && content.IsEmpty()) return;
    tape_.EditRow(row) = content;
    tape_.DropTrailingEmptyRows();
    tape_.NoteLink(row);
    if (tape_.sink_ != nullptr) tape_.sink_->RowWritten(row, tape_.Row(row));
    tape_.RowsChanged(row, row);
}

void TTapeReplay::RowMoved(int32_t from, int32_t to) {
    tape_.RotateRow(from, to);
    tape_.RowsChanged(std::min(from, to), std::max(from, to));
}

void TTapeReplay::RowRemoved(int32_t row) {
    TTapeRow removed;
    tape_.TakeRowOut(row, &removed);
    tape_.RowsChanged(row, std::max(tape_.rowCount_, tape_.UsedRows()));
}

void TTapeReplay::RowPutIn(int32_t row, const TTapeRow& content) {
    tape_.PutRowIn(row, content);
    tape_.RowsChanged(row, std::max(tape_.rowCount_, tape_.UsedRows()));
}

void TTapeReplay::RowCountSet(int32_t rows) {
    if (rows == tape_.rowCount_) return;
    tape_.rowCount_ = rows;
    tape_.RowCountChanged();
}

void TTapeReplay::LinkFieldSet(bool on) {
    tape_.linkField_ = on;
    if (tape_.sink_ != nullptr) tape_.sink_->LinkFieldSet(on);
}

void TTapeReplay::RowsReplaced(int32_t first, std::span<const TTapeRow> rows) {
    const int32_t before = tape_.UsedRows();
    tape_.rows_.resize(static_cast<size_t>(std::min(first, before)));
    if (!rows.empty()) {
        tape_.rows_.resize(static_cast<size_t>(first));
        tape_.rows_.insert(tape_.rows_.end(), rows.begin(), rows.end());
    }
    tape_.DropTrailingEmptyRows();
    tape_.FindForwardLinks();
    tape_.RowsReplacedFrom(first);
    tape_.RowsChanged(first, std::max(before, tape_.UsedRows()) - 1);
}

void TTapeReplay::CurrentRowSet(int32_t row) {
    if (row == tape_.currentRow_) return;
    tape_.currentRow_ = row;
    tape_.CurrentRowChanged();
}
