// A tape of its own (a second tab) kept as a tape file with its journal: a
// start after a kill, after a fold, or after a kill that followed a fold,
// shows the tape as it was left, its entry, current row, memory and options
// included, though the tape file holds the rows alone.

#include <gtest/gtest.h>

#include "tapefiles/tapefile.h"
#include "tests/calculator/storesession.h"
#include "tests/support/tablecases.h"
#include "tests/support/testfiles.h"

namespace {

constexpr auto kTapeFile = TSettingsStore::TBase::TapeFile;

struct Ending {
    const char* name;
    bool folded;
    // Played by a second session after the fold, which is then killed.
    const char* afterFold;
    friend std::ostream& operator<<(std::ostream& os, const Ending& e) { return os << e.name; }
};

class TapeFileStoreTest : public testing::TestWithParam<Ending> {};

TEST_P(TapeFileStoreTest, TheNextStartShowsTheTapeAsItWasLeft) {
    const Ending& ending = GetParam();
    QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/oberta-2.txt";
    WholeState left;
    {
        StoreSession session(path, kTapeFile);
        session.Play("1250,5 + 380 - 12,5 = 200 M+ ^1");
        session.engine.ChangeOptions({.decimals = 3});
        session.Play("7");
        session.Record();
        left = session.State();
        if (ending.folded) session.store.Fold();
    }
    if (ending.folded) {
        const TTapeFileContent content = ReadTapeFileText(ReadBytes(path));
        EXPECT_EQ(content.badLines, 0);
        EXPECT_EQ(content.tape.rows.size(), left.rows.size());
    }
    if (ending.afterFold[0] != '\0') {
        StoreSession session(path, kTapeFile);
        session.Play(ending.afterFold);
        left = session.State();
    }
    StoreSession next(path, kTapeFile);
    EXPECT_EQ(WithoutRoom(next.State()), WithoutRoom(left));
    EXPECT_EQ(next.store.ReplayProblem(), "");
}

INSTANTIATE_TEST_SUITE_P(Endings, TapeFileStoreTest,
                         testing::Values(Ending{"Killed", false, ""}, Ending{"Folded", true, ""},
                                         Ending{"KilledAfterAFold", true, "+ 5 ^0"}),
                         CaseName<Ending>);

}  // namespace
