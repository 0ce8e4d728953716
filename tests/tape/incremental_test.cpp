// The evaluation starts again at the first row a change can affect; the
// tape, the subtotal and the entry must be exactly what an evaluation from
// row 0 at every key gives, whatever the actions and the options, and the
// item counts kept from one action to the next what counting afresh gives.

#include <gtest/gtest.h>

#include "tests/tape/tapeactions.h"
#include "tests/tape/tapestate.h"

namespace {

// Plays the same random actions on two engines, the second evaluating its
// whole tape at every action, and compares them after each one.
void ExpectSameAsWholeEvaluation(unsigned seed, const TTapeOptions& options) {
    TTapeEngine kept;
    TTapeEngine whole;
    for (TTapeEngine* engine : {&kept, &whole})
        engine->Resume({{}, false, 0, {.options = options}});
    RandomActions forKept(seed);
    RandomActions forWhole(seed);
    std::string played;
    for (int i = 0; i < 400; ++i) {
        played += forKept.PlayOne(kept) + "; ";
        whole.InvalidateEvaluation();
        forWhole.PlayOne(whole);
        ASSERT_EQ(StateOf(kept), StateOf(whole)) << "seed " << seed << ": " << played;
        ASSERT_EQ(kept.History().StepCount(), whole.History().StepCount())
            << "seed " << seed << ": " << played;
        // The counts kept from action to action are those of the tape as it is.
        const TTapeCounts fresh(kept.Tape());
        ASSERT_EQ(RunningCounts(kept.Tape(), kept.Tape().Counts()),
                  RunningCounts(kept.Tape(), fresh))
            << "seed " << seed << ": " << played;
    }
}

TEST(IncrementalEvaluationTest, GivesWhatAWholeEvaluationGives) {
    for (unsigned seed = 1; seed <= 6; ++seed) {
        ExpectSameAsWholeEvaluation(seed, {2, true, true, false});
        ExpectSameAsWholeEvaluation(seed, {2, false, false, true});
        ExpectSameAsWholeEvaluation(seed, {3, true, false, true});
        ExpectSameAsWholeEvaluation(seed, {0, false, true, false});
    }
}

// A row linked to a row below it takes that row's value as the last
// evaluation left it, so each evaluation may change it again.
TEST(IncrementalEvaluationTest, ARowLinkedToARowBelowFollowsAtEveryEvaluation) {
    TTapeEngine kept;
    TTapeEngine whole;
    for (TTapeEngine* engine : {&kept, &whole}) {
        PlayKeys(*engine, "5 + 7 + 1 = 2 + 3 =");
        engine->Edit(TFieldEdit{0, TTapeField::Link, "3"});
    }
    for (const char* keys : {"4 +", "^1 6 +", "^9 <<", "@2", "^5 del"}) {
        PlayKeys(kept, keys);
        whole.InvalidateEvaluation();
        PlayKeys(whole, keys);
        ASSERT_EQ(StateOf(kept), StateOf(whole)) << keys;
    }
}

}  // namespace
