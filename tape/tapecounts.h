#pragma once

// TTapeCounts: how many items each calculation of a tape holds, and how many
// totals each grand total sums, the way an adding machine's item counter
// prints them beside a total.
//
// An item is the first row of a calculation and every row entered after "+"
// or "-". A rate (a row followed by "%") is no item, and neither is a row the
// evaluation writes (a total, a percent amount, a grand total) nor a row past
// the used ones. A calculation starts at row 0, after a row without operator
// and after a total or grand-total row. A grand total counts the total rows
// since row 0 or since the grand total before it.
//
// Counts follow from the operators alone and are never stored: they are
// worked out when asked, from the first row changed since they were last
// asked for, and kept. Asking changes nothing a reader of the tape sees.

#include <cstdint>
#include <optional>
#include <vector>

class TTapeDocument;

class TTapeCounts {
public:
    // The counts of `tape`, which must outlive them and tell them of every
    // change (Forget).
    explicit TTapeCounts(const TTapeDocument& tape) : tape_(tape) {}
    TTapeCounts(const TTapeCounts&) = delete;
    TTapeCounts& operator=(const TTapeCounts&) = delete;

    // The count a row shows beside its value: the items of a total row's
    // calculation, or the totals a grand-total row sums; nothing for any
    // other row.
    std::optional<int32_t> Shown(int32_t row) const;
    // The count beside the running value after row `row`: the totals of a
    // grand-total row, otherwise the items of its calculation up to it (0
    // before the tape and past it).
    int32_t Running(int32_t row) const;

    // The rows from `first` on may have changed.
    void Forget(int32_t first);

private:
    struct TAfter {
        int32_t items = 0;
        int32_t totals = 0;
    };
    // Row `row`, from 0 to the first free row.
    const TAfter& After(int32_t row) const;
    TAfter Step(const TAfter& before, int32_t row) const;

    const TTapeDocument& tape_;
    // The counts after rows 0 to size() - 1, as the rows are now, counted
    // while the tape had `countedUsedRows_` used rows.
    mutable std::vector<TAfter> after_;
    mutable int32_t countedUsedRows_ = 0;
};
