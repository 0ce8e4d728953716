#include "tapesearch/opentapeindex.h"

#include <algorithm>

#include "tapesearch/foldedtext.h"

TOpenTapeIndex::TOpenTapeIndex(const TTapeDocument& tape) : tape_(tape) {
    tape_.AddObserver(this);
}

TOpenTapeIndex::~TOpenTapeIndex() {
    tape_.RemoveObserver(this);
}

void TOpenTapeIndex::TapeRowsChanged(int32_t first, int32_t last) {
    last = std::max(first, last);
    if (changedFirst_ > changedLast_) {
        changedFirst_ = first;
        changedLast_ = last;
    } else {
        changedFirst_ = std::min(changedFirst_, first);
        changedLast_ = std::max(changedLast_, last);
    }
}

const TSearchableRows& TOpenTapeIndex::UpToDate() {
    const int32_t used = tape_.UsedRows();
    if (changedFirst_ <= changedLast_) {
        Prepare(changedFirst_, changedLast_);
    } else if (rows_.Rows() != used) {
        // The tape grew or shrank without telling which rows: every row
        // from the first that differs.
        Prepare(std::min(rows_.Rows(), used), INT32_MAX);
    }
    changedFirst_ = 1;
    changedLast_ = 0;
    return rows_;
}

// Rows before `first` and after `last` are as they were, in the same places.
void TOpenTapeIndex::Prepare(int32_t first, int32_t last) {
    const int32_t used = tape_.UsedRows();
    // Rows the tape gained are prepared whatever it told.
    if (rows_.Rows() < used) {
        first = std::min(first, rows_.Rows());
        last = used - 1;
    }
    first = std::clamp(first, 0, used);
    last = std::clamp(last, first - 1, used - 1);
    TRowTexts kept;
    if (last + 1 < used) kept.AddFrom(rows_.foldedComments, last + 1, used);
    rows_.foldedComments.KeepBefore(first);
    rows_.values.resize(static_cast<size_t>(used));
    for (int32_t row = first; row <= last; ++row) {
        const TTapeRow& r = tape_.Row(row);
        rows_.values[static_cast<size_t>(row)] = SearchedValue(r);
        if (!r.Comment().empty()) rows_.foldedComments.Add(row, FoldedText(r.Comment()));
    }
    rows_.foldedComments.AddFrom(kept, last + 1, used);
}
