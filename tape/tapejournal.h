#pragma once

// The tape's changes as journal records (basic/journalfile.h).
//
// One record holds one user action: every change the action made to the
// tape, in order, and the settings it changed (`key=value` texts the owner
// of the journal gives meaning to). A record is read back whole or not at
// all, so a journal cut short anywhere, even by a disk that filled up half
// way through a write, gives back the tape as it was after one of the
// actions, never half an action.
//
// The payload of an action record is a list of changes, each a kind byte
// followed by its fields: whole numbers as LEB128 (7 bits a byte), texts as
// their length and bytes, a row as its four fields (value, operator, link,
// comment) as texts.
//   1 row written     row, row            5 room set        rows
//   2 row moved       from, to            6 link field set  0 or 1
//   3 row removed     row                 7 rows replaced   first, count, rows
//   4 row put in      row, row            8 current row     row
//   9 setting         key, value

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "tape/tapesink.h"

class TTapeReplay;

// The fewest bytes a row takes in a record: four empty texts.
inline constexpr size_t kSmallestRecordedRow = 4;

// The types of journal records.
enum class TJournalRecordType : uint8_t {
    Action = 1,
};

// The kinds of change in an action record.
enum class TJournalChange : uint8_t {
    RowWritten = 1,
    RowMoved,
    RowRemoved,
    RowPutIn,
    RowCountSet,
    LinkFieldSet,
    RowsReplaced,
    CurrentRowSet,
    Setting,
};

// TTapeRecorder: the sink that records a document's changes, and the
// settings that change with them, one action at a time.
class TTapeRecorder final : public TTapeSink {
public:
    // An action whose record would be larger is not recorded: the owner of
    // the journal writes the whole state instead (a whole tape replaced, a
    // clear undone, a conversion of a long tape).
    static constexpr size_t kLargestAction = size_t{1} << 20;

    void RowWritten(int32_t row, const TTapeRow& content) override;
    void RowMoved(int32_t from, int32_t to) override;
    void RowRemoved(int32_t row) override;
    void RowPutIn(int32_t row, const TTapeRow& content) override;
    void RowCountSet(int32_t rows) override;
    void LinkFieldSet(bool on) override;
    void RowsReplaced(int32_t first, std::span<const TTapeRow> rows) override;
    void CurrentRowSet(int32_t row) override;
    void Setting(std::string_view key, std::string_view value);

    // Nothing was recorded since the last Seal or Drop.
    bool Empty() const { return changes_.empty() && !tooLarge_; }
    // The changes since the last Seal as one record appended to `journal`
    // (nothing for no change). False, with nothing appended, when they were
    // too large to record.
    bool Seal(std::string& journal);
    // Forgets the changes since the last Seal (the whole state was written).
    void Drop();

private:
    using TKind = TJournalChange;
    // Starts a change; a change of the same row, room, current row or link
    // field right after the last one takes its place.
    void Begin(TKind kind, int64_t subject);
    bool Full();
    void GiveUp();

    std::string changes_;
    size_t lastStart_ = 0;
    TKind lastKind_ = TKind::RowWritten;
    int64_t lastSubject_ = -1;
    bool tooLarge_ = false;
};

using TSettingPlayer = std::function<void(std::string_view key, std::string_view value)>;

// Plays an action record's payload onto a document through `replay` and its
// settings through `setting`. The whole payload is read and checked against
// the document before anything is played: false, with nothing played, when
// it does not check out.
bool PlayActionRecord(std::string_view payload, TTapeReplay& replay, const TSettingPlayer& setting);
