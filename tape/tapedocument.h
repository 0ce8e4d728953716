#pragma once

// TTapeDocument: the paper tape as data, without any window.
//
// The tape is a list of rows (TTapeRow) and a current row. It has room for
// RowCount rows (300 at first): writing or selecting a row past that room
// grows it, the way a growing grid does, and the rows after the last used
// one are empty. Every change goes through the commands below; each tells the
// observers which rows changed and, while an action keeps a change log, adds
// to that log what it replaced, so the action can be undone and redone
// (TTapeHistory).
//
// The operations keep the behaviour the tape had as a grid: opening a row
// takes the empty row after the used ones up to the opened place, deleting a
// row shifts the rows below up and shrinks the room by one, and clearing
// empties every row but keeps the room and the current row.
//
// A sink (TTapeSink), when set, receives every change as the state it leaves,
// for a copy of the tape kept on disk; TTapeReplay plays such changes onto
// another document.

#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "tape/tapechange.h"
#include "tape/tapecounts.h"
#include "tape/taperow.h"
#include "tape/tapesink.h"

// What the tape tells those that show it or compute from it.
class TTapeObserver {
public:
    virtual ~TTapeObserver() = default;
    // The fields of rows `first` to `last` may have changed (`last` may lie
    // past the used rows).
    virtual void TapeRowsChanged(int32_t first, int32_t last) = 0;
    virtual void TapeRowCountChanged() = 0;
    virtual void TapeCurrentRowChanged() = 0;
};

class TTapeDocument {
public:
    // The room of a new tape.
    static constexpr int32_t kStartRows = 300;
    // The largest room; a row past it counts as outside the tape.
    static constexpr int32_t kMaxRows = 4'000'000;
    // No row (FirstForwardLink when there is none).
    static constexpr int32_t kNoRow = INT32_MAX;

    TTapeDocument() = default;
    TTapeDocument(const TTapeDocument&) = delete;
    TTapeDocument& operator=(const TTapeDocument&) = delete;

    // ---- Reading ----
    int32_t RowCount() const { return rowCount_; }
    // The rows up to and including the last one with any field.
    int32_t UsedRows() const { return static_cast<int32_t>(rows_.size()); }
    int32_t CurrentRow() const { return currentRow_; }
    // An empty row outside the used rows.
    const TTapeRow& Row(int32_t row) const;
    std::string_view Field(int32_t row, TTapeField field) const { return Row(row).Field(field); }
    const std::string& Value(int32_t row) const { return Row(row).Value(); }
    double Number(int32_t row) const { return Row(row).Number(); }
    TTapeOperator Operator(int32_t row) const { return Row(row).Operator(); }
    // Once a link has been written, every row is written with its link field.
    bool WritesLinkField() const { return linkField_; }
    // The row as one line: its fields separated by tabs, as the settings file
    // and a copied tape hold it.
    std::string RowText(int32_t row) const;
    // The first row whose link names a row below it (its value then depends
    // on rows evaluated after it); kNoRow when there is none.
    int32_t FirstForwardLink() const;
    // The item counts of the calculations and grand totals.
    const TTapeCounts& Counts() const { return counts_; }

    // ---- Commands ----
    // Selects a row; a row past the room grows it.
    void SetCurrentRow(int32_t row);
    void WriteField(int32_t row, TTapeField field, std::string_view text);
    // The tab-separated fields of a pasted line into the row's fields, in
    // order (PastedLineFields).
    void WriteRowText(int32_t row, const std::string& line);
    // Opens an empty row at `row`; rows from there down move one lower.
    void InsertRow(int32_t row);
    // Takes a row out; the rows below move up.
    void DeleteRow(int32_t row);
    // Empties every row, keeping the room and the current row.
    void Clear();
    // Every row at once, with room for one more after them; the current row
    // stays where it is when it lies within the new room.
    void ReplaceRows(std::vector<TTapeRow> rows, bool linkField);
    // Gives its rows away, leaving no row (the room and the current row stay).
    std::vector<TTapeRow> TakeRows();
    // Room for exactly `rows` rows (at least one); rows past it are lost.
    void SetRowCount(int32_t rows);
    // Takes row `from` out and puts it in at `to` (both within the room).
    void MoveRow(int32_t from, int32_t to);
    // Removes a row within the room, unless it is the only one.
    void RemoveRow(int32_t row);

    // ---- Observers, change log, undo ----
    // Observing changes nothing: a reader of the tape may observe it.
    void AddObserver(TTapeObserver* observer) const;
    void RemoveObserver(TTapeObserver* observer) const;
    // While a log is set, every change adds what it replaced to it.
    void SetChangeLog(TTapeChangeLog* log) { log_ = log; }
    // Swaps a recorded change in: undoes it, or redoes what was undone.
    void Apply(TTapeChange& change);
    // Puts back the current row of a recorded state (a row within the room).
    void RestoreCurrentRow(int32_t row);
    // Records every row as it is now, for an action about to rewrite most of
    // them: one copy instead of one record a row.
    void RecordAllRows();
    // Every change from now on also goes to `sink` (none: nullptr). Like an
    // observer, a sink changes nothing.
    void SetSink(TTapeSink* sink) const { sink_ = sink; }

private:
    friend class TTapeReplay;

    TTapeRow& EditRow(int32_t row);
    void DropTrailingEmptyRows();
    void Record(TTapeChange change);
    void RecordRow(int32_t row);
    void SetLinkField(bool on);
    void GrowTo(int32_t rows);
    void ClampCurrentRow();
    void TakeRowOut(int32_t row, TTapeRow* removed);
    void PutRowIn(int32_t row, TTapeRow row_);
    void RotateRow(int32_t from, int32_t to);

    void ApplyChange(TRowSwap& change);
    void ApplyChange(TRowsTail& change);
    void ApplyChange(TRowPresence& change);
    void ApplyChange(TRowMove& change);
    void ApplyChange(TRowCountSwap& change);
    void ApplyChange(TLinkFieldSwap& change);
    void ApplyChange(TAllRowsSwap& change);

    void NoteLink(int32_t row);
    void FindForwardLinks();
    // The rows from `first` on, as they are now, to the sink.
    void RowsReplacedFrom(int32_t first);
    void RowsChanged(int32_t first, int32_t last);
    void RowCountChanged();
    void CurrentRowChanged();

    std::vector<TTapeRow> rows_;  // no empty row at the end
    int32_t rowCount_ = kStartRows;
    int32_t currentRow_ = 0;
    bool linkField_ = false;
    std::set<int32_t> forwardLinks_;
    TTapeCounts counts_{*this};
    mutable std::vector<TTapeObserver*> observers_;
    TTapeChangeLog* log_ = nullptr;
    mutable TTapeSink* sink_ = nullptr;
};
