#include "tape/tapechange.h"

#include <algorithm>
#include <unordered_map>

#include "tape/tapedocument.h"

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
    const size_t first =
        std::max(recentFrom_,
                 changes_.size() > kRecentChanges ? changes_.size() - kRecentChanges : size_t{0});
    for (size_t i = changes_.size(); i-- > first;) {
        const auto* swap = std::get_if<TRowSwap>(&changes_[i]);
        if (swap != nullptr && swap->row == row) return true;
    }
    return false;
}

namespace {

bool MovesRows(const TTapeChange& change) {
    return std::holds_alternative<TRowPresence>(change) || std::holds_alternative<TRowMove>(change);
}

// Whether the side a change holds is what the tape holds now.
bool HoldsWhatIsThere(const TTapeChange& change, const TTapeDocument& now) {
    if (const auto* swap = std::get_if<TRowSwap>(&change)) return swap->other == now.Row(swap->row);
    if (const auto* tail = std::get_if<TRowsTail>(&change))
        return tail->other.empty() && now.UsedRows() <= tail->first;
    if (const auto* count = std::get_if<TRowCountSwap>(&change))
        return count->other == now.RowCount();
    if (const auto* link = std::get_if<TLinkFieldSwap>(&change))
        return link->other == now.WritesLinkField();
    return false;
}

// Changes of the same thing: the same row, the same appended rows, the room,
// the link field.
int64_t Subject(const TTapeChange& change) {
    if (const auto* swap = std::get_if<TRowSwap>(&change)) return swap->row;
    if (const auto* tail = std::get_if<TRowsTail>(&change)) return -3 - int64_t{tail->first};
    return std::holds_alternative<TRowCountSwap>(change) ? -1 : -2;
}

}  // namespace

// Each row (or the room, or the link field) is left out when its first
// change holds what is there now; a whole tape recorded and unchanged leaves
// out everything.
void TTapeChangeLog::DropUnchanged(const TTapeDocument& now) {
    if (std::any_of(changes_.begin(), changes_.end(), MovesRows)) return;
    for (const TTapeChange& change : changes_) {
        const auto* all = std::get_if<TAllRowsSwap>(&change);
        if (all == nullptr) continue;
        if (static_cast<int32_t>(all->other.size()) != now.UsedRows()) return;
        for (int32_t row = 0; row < now.UsedRows(); ++row)
            if (!(all->other[static_cast<size_t>(row)] == now.Row(row))) return;
    }
    std::unordered_map<int64_t, bool> unchanged;
    for (const TTapeChange& change : changes_) {
        if (std::holds_alternative<TAllRowsSwap>(change)) continue;
        unchanged.try_emplace(Subject(change), HoldsWhatIsThere(change, now));
    }
    std::vector<TTapeChange> kept;
    bytes_ = 0;
    for (TTapeChange& change : changes_) {
        if (std::holds_alternative<TAllRowsSwap>(change) || unchanged[Subject(change)]) continue;
        bytes_ += ChangeBytes(change);
        kept.push_back(std::move(change));
    }
    changes_ = std::move(kept);
}
