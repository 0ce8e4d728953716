#pragma once

// The changes an action makes to the tape document, as the undo history keeps
// them. Each change holds the other side of what it changed: applying it to
// the document swaps that side in and keeps the side it replaced, so the same
// change undoes and, applied again, redoes. A change therefore holds only what
// its action touched: one row's former fields for a written cell, the rows
// themselves for a clear.

#include <cstddef>
#include <cstdint>
#include <variant>
#include <vector>

#include "tape/taperow.h"

// A row's fields (the row stays in its place).
struct TRowSwap {
    int32_t row;
    TTapeRow other;
};
// The rows from `first` on (the rows an action appended to the tape).
struct TRowsTail {
    int32_t first;
    std::vector<TTapeRow> other;
};
// A row taken out of the tape, or put back: `inTape` tells which side the
// document has now.
struct TRowPresence {
    int32_t row;
    TTapeRow removed;
    bool inTape;
};
// A row taken out at `from` and put in at `to`, the rows between shifting.
struct TRowMove {
    int32_t from;
    int32_t to;
};
struct TRowCountSwap {
    int32_t other;
};
// Whether the rows are written with their link field.
struct TLinkFieldSwap {
    bool other;
};
// Every row at once (a clear, a whole tape replaced, every row rewritten).
struct TAllRowsSwap {
    std::vector<TTapeRow> other;
};

using TTapeChange = std::variant<TRowSwap, TRowsTail, TRowPresence, TRowMove, TRowCountSwap,
                                 TLinkFieldSwap, TAllRowsSwap>;

// The memory a change holds.
size_t ChangeBytes(const TTapeChange& change);

class TTapeDocument;

// The changes of one action, in the order they were made.
class TTapeChangeLog {
public:
    // Leaves out what the action put back as it was (a linked total the
    // evaluation wrote over and wrote again), so that an action whose
    // changes cancel out leaves no step. Only when no row moved.
    void DropUnchanged(const TTapeDocument& now);

    void Add(TTapeChange change);
    // Whether a change recorded since rows last moved already holds what
    // `row` was before: a second write to the row needs no record of its own.
    bool Covers(int32_t row) const;

    std::vector<TTapeChange>& Changes() { return changes_; }
    bool Empty() const { return changes_.empty(); }
    size_t Bytes() const { return bytes_; }

private:
    static constexpr int32_t kNothingCovered = INT32_MAX;

    std::vector<TTapeChange> changes_;
    size_t bytes_ = 0;
    // Rows from here on are held by a recorded tail or whole tape.
    int32_t coveredFrom_ = kNothingCovered;
    // The first change recorded since rows last moved.
    size_t recentFrom_ = 0;
};
