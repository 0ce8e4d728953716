#include "tape/tapecounts.h"

#include <algorithm>

#include "tape/tapedocument.h"

std::optional<int32_t> TTapeCounts::Shown(int32_t row) const {
    if (row <= 0 || row > tape_.UsedRows()) return std::nullopt;
    const TTapeOperator above = tape_.Operator(row - 1);
    if (above == TTapeOperator::Total) return After(row).items;
    if (above == TTapeOperator::GrandTotal) return After(row).totals;
    return std::nullopt;
}

// Past the first free row every row starts a calculation of its own and
// holds nothing.
int32_t TTapeCounts::Running(int32_t row) const {
    if (row < 0 || row > tape_.UsedRows()) return 0;
    const TAfter& after = After(row);
    return row > 0 && tape_.Operator(row - 1) == TTapeOperator::GrandTotal ? after.totals
                                                                           : after.items;
}

void TTapeCounts::Forget(int32_t first) {
    after_.resize(std::min(after_.size(), static_cast<size_t>(std::max(first, 0))));
}

// A row past the used ones is no item, so the rows between the used row
// count the tape had when they were counted and the one it has now count
// again.
const TTapeCounts::TAfter& TTapeCounts::After(int32_t row) const {
    const int32_t used = tape_.UsedRows();
    if (used != countedUsedRows_) {
        after_.resize(
            std::min(after_.size(), static_cast<size_t>(std::min(used, countedUsedRows_))));
        countedUsedRows_ = used;
    }
    // Room for every row at once, and an eighth more for the rows typed
    // next, rather than doubling up to it.
    const auto wanted = static_cast<size_t>(row) + 1;
    if (after_.capacity() < wanted) {
        const size_t tape = static_cast<size_t>(used) + 1;
        after_.reserve(std::max(wanted, tape + tape / 8));
    }
    while (after_.size() < wanted) {
        const auto next = static_cast<int32_t>(after_.size());
        after_.push_back(Step(next == 0 ? TAfter() : after_.back(), next));
    }
    return after_[static_cast<size_t>(row)];
}

// A grand total's count stays on its own row; the row after it starts the
// next one.
TTapeCounts::TAfter TTapeCounts::Step(const TAfter& before, int32_t row) const {
    const TTapeOperator own = tape_.Operator(row);
    const TTapeOperator above = row >= 1 ? tape_.Operator(row - 1) : TTapeOperator::None;
    const TTapeOperator twoAbove = row >= 2 ? tape_.Operator(row - 2) : TTapeOperator::None;
    TAfter after = before;
    if (twoAbove == TTapeOperator::GrandTotal) after.totals = 0;
    const bool starts = above == TTapeOperator::None || AsksForResult(twoAbove);
    if (starts) after.items = 0;
    if (above == TTapeOperator::Total) ++after.totals;
    const bool entered = starts || above == TTapeOperator::Plus || above == TTapeOperator::Minus;
    if (entered && !AsksForComputedRow(above) && own != TTapeOperator::Percent &&
        row < tape_.UsedRows())
        ++after.items;
    return after;
}
