// The tape's changes recorded as journal records and played onto a second
// tape through the records' bytes: after every action, undo and redo
// included, both tapes hold the same rows, room, current row and link field.

#include <gtest/gtest.h>

#include <random>

#include "basic/journalfile.h"
#include "tape/tapejournal.h"
#include "tape/tapereplay.h"
#include "tests/tape/tapeactions.h"

namespace {

struct TapeState {
    std::vector<std::string> rows;
    int32_t room = 0;
    int32_t current = 0;
    bool linkField = false;
    friend bool operator==(const TapeState&, const TapeState&) = default;
};

TapeState StateOf(const TTapeDocument& tape) {
    TapeState state{{}, tape.RowCount(), tape.CurrentRow(), tape.WritesLinkField()};
    for (int32_t row = 0; row < tape.UsedRows(); ++row)
        state.rows.push_back(tape.RowText(row));
    return state;
}

std::ostream& operator<<(std::ostream& os, const TapeState& s) {
    os << "{room " << s.room << ", row " << s.current << ", link field " << s.linkField;
    for (const std::string& row : s.rows)
        os << " [" << row << "]";
    return os << "}";
}

// Plays every record of a journal's bytes onto `tape`; false when one does
// not play.
bool PlayAll(std::string_view journal, TTapeDocument& tape) {
    TJournalReader reader(journal, {});
    TTapeReplay replay(tape);
    TJournalRecord record;
    while (reader.Next(record))
        if (!PlayActionRecord(record.payload, replay, nullptr)) return false;
    return reader.End() == TJournalEnd::Clean;
}

TEST(TapeJournalTest, RecordsPlayedOntoASecondTapeGiveTheSameTape) {
    for (unsigned seed = 1; seed <= 8; ++seed) {
        TTapeEngine engine;
        TTapeRecorder recorder;
        engine.Tape().SetSink(&recorder);
        TTapeDocument copy;
        std::string journal = JournalHeader({});
        RandomActions actions(seed);
        std::mt19937 random(seed);
        std::string played;
        for (int i = 0; i < 300; ++i) {
            // Now and then a row far down, which grows the room.
            if (random() % 16 == 0) {
                engine.SelectRow(static_cast<int32_t>(random() % 700));
                played += "select; ";
            } else {
                played += actions.PlayOne(engine) + "; ";
            }
            const size_t before = journal.size();
            ASSERT_TRUE(recorder.Seal(journal));
            ASSERT_TRUE(PlayAll(JournalHeader({}) + journal.substr(before), copy)) << played;
            ASSERT_EQ(StateOf(copy), StateOf(engine.Tape())) << "seed " << seed << ": " << played;
        }
        TTapeDocument fromScratch;
        ASSERT_TRUE(PlayAll(journal, fromScratch));
        EXPECT_EQ(StateOf(fromScratch), StateOf(engine.Tape())) << "seed " << seed;
        engine.Tape().SetSink(nullptr);
    }
}

// An action too large for a record is not recorded: its owner writes the
// whole tape instead. The next action is recorded again.
TEST(TapeJournalTest, ATooLargeActionIsRefused) {
    TTapeEngine engine;
    TTapeRecorder recorder;
    engine.Tape().SetSink(&recorder);
    std::vector<TTapeRow> rows(300'000);
    for (TTapeRow& row : rows)
        row.SetField(TTapeField::Value, "123");
    engine.ReplaceTape(std::move(rows), false);
    std::string journal;
    EXPECT_FALSE(recorder.Seal(journal));
    EXPECT_TRUE(journal.empty());
    PlayKeys(engine, "4 +");
    EXPECT_TRUE(recorder.Seal(journal));
    EXPECT_FALSE(journal.empty());
    engine.Tape().SetSink(nullptr);
}

}  // namespace
