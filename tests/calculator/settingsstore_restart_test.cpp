// Restarts between actions: a clean one (the file written whole at the end)
// and a kill (SIGKILL of a process that is typing) change nothing that was
// typed before them.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <random>
#include <vector>

#include "tests/calculator/storesession.h"

namespace {

// Random edits cut at a random action by a restart, clean or killed, give
// the same settings file as the same edits without it.
TEST(SettingsStoreRestartTest, ARestartBetweenTwoActionsChangesNothing) {
    constexpr int kActions = 60;
    for (unsigned seed = 1; seed <= 30; ++seed) {
        StoreFolder whole;
        std::string expected;
        {
            StoreSession session(whole.ini);
            RandomActions actions(seed);
            for (int i = 0; i < kActions; ++i) {
                actions.PlayOneChange(session.engine);
                session.Record();
            }
            expected = session.FileText();
        }
        const int cut = static_cast<int>(std::mt19937(seed)() % (kActions + 1));
        for (const bool killed : {false, true}) {
            StoreFolder cutFolder;
            RandomActions actions(seed);
            std::string played;
            {
                StoreSession before(cutFolder.ini);
                for (int i = 0; i < cut; ++i) {
                    played += actions.PlayOneChange(before.engine) + "; ";
                    before.Record();
                }
                if (!killed) before.store.Fold();
            }
            played += killed ? "(killed) " : "(closed) ";
            StoreSession after(cutFolder.ini);
            for (int i = cut; i < kActions; ++i) {
                played += actions.PlayOneChange(after.engine) + "; ";
                after.Record();
            }
            EXPECT_EQ(after.FileText(), expected) << "seed " << seed << ": " << played;
        }
    }
}

// The states a session passes through, from its start, with these actions.
std::vector<WholeState> StatesOf(unsigned seed, int count) {
    StoreFolder folder;
    StoreSession session(folder.ini);
    RandomActions actions(seed);
    std::vector<WholeState> states{session.State()};
    for (int i = 0; i < count; ++i) {
        actions.PlayOne(session.engine);
        session.Record();
        states.push_back(session.State());
    }
    return states;
}

// Plays the actions, recording each, and tells `done` the number of each
// action once it is recorded; then waits to be killed.
[[noreturn]] void PlayUntilKilled(const std::string& ini, unsigned seed, int count, int done) {
    {
        StoreSession session(ini);
        RandomActions actions(seed);
        for (int i = 1; i <= count; ++i) {
            actions.PlayOne(session.engine);
            session.Record();
            if (write(done, &i, sizeof i) != sizeof i) _exit(1);
        }
        for (;;)
            pause();
    }
}

// A process that types is killed at a random moment. The next start shows
// the tape as it was after one of the actions, never half of one, and no
// action the process had finished recording is missing.
TEST(SettingsStoreRestartTest, AKillAtARandomMomentLosesNoRecordedAction) {
    constexpr int kActions = 200;
    constexpr unsigned kSeed = 5;
    const std::vector<WholeState> states = StatesOf(kSeed, kActions);
    std::mt19937 random(11);
    for (int round = 0; round < 16; ++round) {
        StoreFolder folder;
        int done[2];
        ASSERT_EQ(pipe(done), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(done[0]);
            PlayUntilKilled(folder.ini, kSeed, kActions, done[1]);
        }
        close(done[1]);
        const int killAfter = static_cast<int>(random() % kActions);
        int recorded = 0;
        for (int number = 0; recorded < killAfter && read(done[0], &number, sizeof number) > 0;)
            recorded = number;
        usleep(random() % 400);
        kill(child, SIGKILL);
        for (int number = 0; read(done[0], &number, sizeof number) == sizeof number;)
            recorded = number;
        close(done[0]);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the typing process ended by itself";

        const WholeState restarted = StoreSession(folder.ini).State();
        const bool inFlight = recorded < kActions && restarted == states[recorded + 1];
        EXPECT_TRUE(restarted == states[recorded] || inFlight)
            << "round " << round << ", " << recorded << " actions recorded: " << restarted;
    }
}

}  // namespace
