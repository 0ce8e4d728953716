// The settings file and its journal on real files: a session killed at any
// moment comes back as it was after one of its actions, never half of one;
// a damaged journal is played up to the damage and reported once; a journal
// of another file is left alone; a disk that fills up while typing is
// reported and written once there is room.

#include <gtest/gtest.h>

#include "basic/journalfile.h"
#include "basic/savedfile.h"
#include "tests/calculator/storesession.h"
#include "tests/support/smallfilesystem.h"
#include "tests/support/testfiles.h"

namespace {

// Load, replay, more actions, fold, load again: each start shows what the
// last session left, options and settings included.
TEST(SettingsStoreTest, EachStartGoesOnWhereTheLastSessionStopped) {
    StoreFolder folder;
    WholeState afterKill;
    {
        StoreSession first(folder.ini);
        first.Play("1250,5 + 380 - 12,5 = 200");
        first.engine.ChangeOptions({.decimals = 3});
        first.settings.vatIndex = 4;
        first.settings.marginPercent = 12.5;
        first.Record();
        afterKill = first.State();
    }
    WholeState afterFold;
    std::string folded;
    {
        StoreSession second(folder.ini);
        EXPECT_EQ(second.State(), afterKill);
        EXPECT_EQ(second.settings.vatIndex, 4);
        EXPECT_EQ(second.settings.marginPercent, 12.5);
        EXPECT_EQ(second.store.ReplayProblem(), "");
        second.Play("+ 16 % ^1 open 7 + ^9 del");
        afterFold = second.State();
        folded = second.FileText();
        second.store.Fold();
    }
    EXPECT_EQ(ReadBytes(folder.ini), folded);
    EXPECT_EQ(ReadBytes(folder.journal).size(), kJournalHeaderSize);
    StoreSession third(folder.ini);
    EXPECT_EQ(WithoutRoom(third.State()), WithoutRoom(afterFold));
}

// The journal continues the file it was started on; the same file written
// by another hand (or a fold whose new journal never came) makes it stale.
// Its actions open a row, so playing them twice would show.
TEST(SettingsStoreTest, AJournalOfAnotherFileIsLeftAlone) {
    for (const bool asFolded : {true, false}) {
        StoreFolder folder;
        std::string file = "0\r\n0\r\n0\r\n";
        {
            StoreSession session(folder.ini);
            session.Play("5 + 3 = ^0 open 8 +");
            if (asFolded) file = session.FileText();
        }
        TSavedFile written(folder.ini);
        written.Write(file);
        written.Commit();
        ASSERT_GT(ReadBytes(folder.journal).size(), kJournalHeaderSize);
        const WholeState fileAlone = StartOnCopies(folder.ini, "");
        StoreSession next(folder.ini);
        EXPECT_EQ(next.State(), fileAlone);
        EXPECT_EQ(next.store.ReplayProblem(), "");
    }
}

// The journal as a kill left it, cut at each byte of its last action, or as
// a power cut leaves it, with zeros where the rest of the action was going.
TEST(SettingsStoreTest, AKillAtAnyByteOfTheLastActionGivesTheTapeBeforeIt) {
    StoreFolder folder;
    WholeState before;
    uint64_t lastStart = 0;
    std::string journal;
    {
        StoreSession session(folder.ini);
        session.Play("12 + 5 = ^0 open 3");
        before = session.State();
        lastStart = ReadBytes(folder.journal).size();
        session.Play("x");
        journal = ReadBytes(folder.journal);
    }
    ASSERT_GT(journal.size(), lastStart);
    for (size_t cut = lastStart; cut < journal.size(); ++cut) {
        for (const bool zeros : {false, true}) {
            std::string left = journal.substr(0, cut);
            if (zeros) left.resize(journal.size(), '\0');
            ASSERT_TRUE(WriteBytes(folder.journal, left));
            StoreSession session(folder.ini);
            ASSERT_EQ(session.State(), before) << cut << (zeros ? " and zeros" : "");
            EXPECT_EQ(session.store.ReplayProblem(), "") << cut;
        }
    }
}

TEST(SettingsStoreTest, ADamagedActionEndsTheReplayAndIsReportedOnce) {
    StoreFolder folder;
    WholeState afterFirst;
    uint64_t middle = 0;
    {
        StoreSession session(folder.ini);
        session.Play("12");
        afterFirst = session.State();
        middle = ReadBytes(folder.journal).size();
        session.Play("+ 5 =");
    }
    std::string journal = ReadBytes(folder.journal);
    journal[middle + 10] = static_cast<char>(journal[middle + 10] ^ 0x04);
    ASSERT_TRUE(WriteBytes(folder.journal, journal));
    WholeState afterSecond;
    {
        StoreSession session(folder.ini);
        EXPECT_EQ(session.State(), afterFirst);
        EXPECT_NE(session.store.ReplayProblem().find("malmesos a partir del byte " +
                                                     std::to_string(middle)),
                  std::string::npos)
            << session.store.ReplayProblem();
        session.Play("9 +");
        afterSecond = session.State();
    }
    StoreSession third(folder.ini);
    EXPECT_EQ(third.State(), afterSecond);
    EXPECT_EQ(third.store.ReplayProblem(), "");
}

TEST(SettingsStoreTest, AnUnchangedSettingWritesNothing) {
    StoreFolder folder;
    StoreSession session(folder.ini);
    session.Play("12 +");
    const uint64_t bytes = session.store.JournalBytes();
    session.Record();
    session.Record();
    EXPECT_EQ(session.store.JournalBytes(), bytes);
    session.settings.left = 40;
    session.Record();
    EXPECT_GT(session.store.JournalBytes(), bytes);
}

// The disk fills up while typing: the failure shows, what was on the disk
// stays, and once there is room everything is written and the failure goes.
TEST(SettingsStoreTest, AFullDiskWhileTypingIsReportedAndCaughtUpWith) {
    SmallFileSystem disk(128 * 1024);
    if (!disk.Mounted()) GTEST_SKIP() << disk.Refusal();
    const std::string ini = disk.Path("Brimsum.Ini");
    StoreSession session(ini);
    session.Play("111 + 222 = 333");
    session.store.Fold();
    session.Play("44 +");
    const WholeState beforeFull = session.State();
    const std::string iniBytes = ReadBytes(ini);

    disk.Fill();
    for (int i = 0; i < 60; ++i)
        session.Play("55 + 66 =");
    session.store.Sync();
    EXPECT_EQ(session.store.Failure(),
              "No s'ha pogut desar el fitxer \"" + ini + ".diari\". No queda espai al disc.");
    EXPECT_TRUE(session.store.SyncDue());
    EXPECT_EQ(ReadBytes(ini), iniBytes);
    // A kill now: a start shows the tape as it was after some action from
    // before the disk filled up on.
    EXPECT_GE(StartOnCopies(ini, ini + ".diari").rows.size(), beforeFull.rows.size());
    disk.MakeRoom();
    session.store.Sync();
    EXPECT_EQ(session.store.Failure(), "");
    EXPECT_FALSE(session.store.SyncDue());
    EXPECT_EQ(StartOnCopies(ini, ini + ".diari"), session.State());
}

}  // namespace
