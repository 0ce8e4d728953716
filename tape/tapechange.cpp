#include "tape/tapechange.h"

#include <algorithm>

namespace {

// How many recent changes a second write to the same row looks back over.
constexpr size_t kRecentChanges = 8;

}  // namespace

size_t ChangeBytes(const TTapeChange& change) {
    size_t bytes = sizeof(TTapeChange);
    const auto rows = [&bytes](const std::vector<TTapeRow>& list) {
        bytes += list.capacity() * sizeof(TTapeRow);
        for (const TTapeRow& row : list)
            bytes += row.HeapBytes();
    };
    if (const auto* swap = std::get_if<TRowSwap>(&change)) bytes += swap->other.HeapBytes();
    if (const auto* tail = std::get_if<TRowsTail>(&change)) rows(tail->other);
    if (const auto* presence = std::get_if<TRowPresence>(&change))
        bytes += presence->removed.HeapBytes();
    if (const auto* all = std::get_if<TAllRowsSwap>(&change)) rows(all->other);
    return bytes;
}

void TTapeChangeLog::Add(TTapeChange change) {
    if (const auto* tail = std::get_if<TRowsTail>(&change)) {
        coveredFrom_ = std::min(coveredFrom_, tail->first);
    } else if (std::holds_alternative<TAllRowsSwap>(change)) {
        coveredFrom_ = 0;
    } else if (std::holds_alternative<TRowPresence>(change) ||
               std::holds_alternative<TRowMove>(change)) {
        coveredFrom_ = kNothingCovered;
        recentFrom_ = changes_.size() + 1;
    }
    bytes_ += ChangeBytes(change);
    changes_.push_back(std::move(change));
}

// Rows the recorded tails and whole tapes hold, then the rows recorded one by
// one since rows last moved (the latest few).
bool TTapeChangeLog::Covers(int32_t row) const {
    if (row >= coveredFrom_) return true;
    const size_t first = std::max(recentFrom_, changes_.size() > kRecentChanges
                                                    ? changes_.size() - kRecentChanges
                                                    : size_t{0});
    for (size_t i = changes_.size(); i-- > first;) {
        const auto* swap = std::get_if<TRowSwap>(&changes_[i]);
        if (swap != nullptr && swap->row == row) return true;
    }
    return false;
}
