#pragma once

// TTapeSink: every change of a tape document as the new state it leaves,
// for a copy of the tape kept elsewhere (the journal on disk). The undo
// history keeps what a change replaced; a sink receives what replaced it.
//
// The document calls the sink at each of its primitive changes, those of
// Apply (undo and redo) included, in the order it makes them. Played in that
// order onto a document that held the same tape (TTapeReplay), the calls
// leave exactly the same tape: rows, room, current row and link field. Each
// call carries only what changed, so the cost of a call does not grow with
// the tape, except for RowsReplaced, which carries the rows it puts in.

#include <cstdint>
#include <span>

class TTapeRow;

class TTapeSink {
public:
    virtual ~TTapeSink() = default;
    // Row `row` now holds `content` (an empty row past the used ones is no
    // row at all).
    virtual void RowWritten(int32_t row, const TTapeRow& content) = 0;
    // Row `from` was taken out and put in at `to`, the rows between shifting
    // by one (both within the room; the current row does not follow: a
    // change of it comes as CurrentRowSet).
    virtual void RowMoved(int32_t from, int32_t to) = 0;
    // Row `row` was taken out of the list of rows; those below move up.
    virtual void RowRemoved(int32_t row) = 0;
    // `content` was put in at `row`; the rows from there on move down.
    virtual void RowPutIn(int32_t row, const TTapeRow& content) = 0;
    // The room is now `rows` rows.
    virtual void RowCountSet(int32_t rows) = 0;
    virtual void LinkFieldSet(bool on) = 0;
    // The rows from `first` on are now `rows` (all of them when `first` is 0).
    virtual void RowsReplaced(int32_t first, std::span<const TTapeRow> rows) = 0;
    virtual void CurrentRowSet(int32_t row) = 0;
};
