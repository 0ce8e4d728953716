#pragma once

// TTapeReplay: plays the changes a document sent its sink (TTapeSink) onto
// another document that held the same tape, which then holds the same tape
// again: rows, room, current row and link field. The observers of that
// document hear of each change as they would of the same change made there;
// nothing goes to its undo log.
//
// The changes may come from a file: Room and the Accepts tests tell, before
// a change is played, whether it can apply at all (rows and room within
// their bounds), so that a change read from a damaged file is refused, not
// played.

#include <cstdint>
#include <span>

#include "tape/tapesink.h"

class TTapeDocument;

class TTapeReplay final : public TTapeSink {
public:
    explicit TTapeReplay(TTapeDocument& tape) : tape_(tape) {}

    // The room of the document; RowMoved and RowRemoved name rows within it.
    int32_t Room() const;
    // Whether a change naming these rows can apply to any document: a row
    // (RowWritten, RowPutIn, CurrentRowSet), a room (RowCountSet) and rows
    // replaced (RowsReplaced).
    static bool AcceptsRow(int64_t row);
    static bool AcceptsRowCount(int64_t rows);
    static bool AcceptsRows(int64_t first, int64_t count);

    void RowWritten(int32_t row, const TTapeRow& content) override;
    void RowMoved(int32_t from, int32_t to) override;
    void RowRemoved(int32_t row) override;
    void RowPutIn(int32_t row, const TTapeRow& content) override;
    void RowCountSet(int32_t rows) override;
    void LinkFieldSet(bool on) override;
    void RowsReplaced(int32_t first, std::span<const TTapeRow> rows) override;
    void CurrentRowSet(int32_t row) override;

private:
    TTapeDocument& tape_;
};
