// Undo and redo: every kind of step puts back the whole state before it and,
// redone, the state after it; long random sequences come back to where they
// started; the history keeps to its limits.

#include <gtest/gtest.h>

#include <functional>

#include "basic/stringlists.h"
#include "tape/taxkeys.h"
#include "tests/support/tablecases.h"
#include "tests/tape/tapeactions.h"
#include "tests/tape/tapestate.h"

namespace {

struct StepCase {
    const char* name;
    const char* before;  // keys played first
    std::function<void(TTapeEngine&)> step;
    friend std::ostream& operator<<(std::ostream& os, const StepCase& c) { return os << c.name; }
};

void Keys(TTapeEngine& engine, const char* keys) {
    PlayKeys(engine, keys);
}

template <typename T>
void Change(TTapeEngine& engine, T TTapeOptions::*option, T value) {
    TTapeOptions options = engine.Options();
    options.*option = value;
    engine.ChangeOptions(options);
}

class StepTest : public testing::TestWithParam<StepCase> {
protected:
    TTapeEngine engine;
};

TEST_P(StepTest, UndoPutsBackTheStateBeforeAndRedoTheStateAfter) {
    PlayKeys(engine, GetParam().before);
    const WholeState before = StateOf(engine);
    const size_t steps = engine.History().StepCount();
    GetParam().step(engine);
    const WholeState after = StateOf(engine);
    ASSERT_NE(after, before) << "the step changed nothing";
    ASSERT_EQ(engine.History().StepCount(), steps + 1) << "one action, one step";

    engine.Undo();
    EXPECT_EQ(StateOf(engine), before);
    engine.Redo();
    EXPECT_EQ(StateOf(engine), after);
    engine.Undo();
    EXPECT_EQ(StateOf(engine), before);
    // The tape goes on from the state put back as if the step never was.
    TTapeEngine fresh;
    PlayKeys(fresh, GetParam().before);
    PlayKeys(engine, "7 + 2 =");
    PlayKeys(fresh, "7 + 2 =");
    EXPECT_EQ(StateOf(engine).rows, StateOf(fresh).rows);
}

TTapeEngine& Paste(TTapeEngine& engine, bool replace) {
    TArrayCadena lines;
    lines.Add("1.234,56");
    lines.Add("7\tx\t0");
    TTapeEngine::Action action(engine);
    if (replace) engine.ClearTape();
    engine.AddLinesToTape(lines);
    return engine;
}

// Pastes the numbers 1 to `count`, one a line.
void PasteNumbers(TTapeEngine& engine, int count) {
    TArrayCadena lines;
    for (int number = 1; number <= count; ++number)
        lines.Add(std::to_string(number));
    engine.AddLinesToTape(lines);
}

const char* const kTape = "12 + 5 = 200 + 15 %";
// The tax and margin keys take the number typed.
const char* const kTapeThen100 = "12 + 5 = 200 + 15 % 100";

INSTANTIATE_TEST_SUITE_P(
    Steps, StepTest,
    testing::Values(
        StepCase{"Operator", "12 + 5 = 200 + 15 % 8", [](TTapeEngine& e) { Keys(e, "x"); }},
        StepCase{"OperatorReentersRowAbove", kTape, [](TTapeEngine& e) { Keys(e, "-"); }},
        StepCase{"Total", "12 + 5", [](TTapeEngine& e) { Keys(e, "="); }},
        StepCase{"Enter", "12 + 5", [](TTapeEngine& e) { Keys(e, "<<"); }},
        StepCase{"EnterAfterEditingTheDisplay", "12 + 5 C 7,5",
                 [](TTapeEngine& e) { Keys(e, "<<"); }},
        StepCase{"LinkedRecalledRow", "12 + 5 + @0", [](TTapeEngine& e) { Keys(e, "<<"); }},
        StepCase{"AddTax", kTapeThen100, [](TTapeEngine& e) { AddTax(e, 21); }},
        StepCase{"TaxableBase", kTapeThen100, [](TTapeEngine& e) { TaxableBase(e, 21); }},
        StepCase{"TaxAmount", kTapeThen100, [](TTapeEngine& e) { TaxAmount(e, 21); }},
        StepCase{"AddMargin", kTapeThen100,
                 [](TTapeEngine& e) { AddMargin(e, 25, TMarginType::OverSalePrice); }},
        StepCase{"RemoveMargin", kTapeThen100,
                 [](TTapeEngine& e) { RemoveMargin(e, 10, TMarginType::Discount); }},
        StepCase{"ToEuros", kTape, [](TTapeEngine& e) { Keys(e, "eur"); }},
        StepCase{"ToPesetas", kTape, [](TTapeEngine& e) { Keys(e, "pts"); }},
        StepCase{"OpenRow", "12 + 5 + 7 = ^1 link ^1", [](TTapeEngine& e) { Keys(e, "open"); }},
        StepCase{"DeleteRow", "12 + 5 + 7 = ^0 link ^1", [](TTapeEngine& e) { Keys(e, "del"); }},
        StepCase{"DeleteOnlyRow", "12 + ^0", [](TTapeEngine& e) { Keys(e, "del"); }},
        StepCase{"LinkValue", "12 + 5 = 200 + 15 % ^1", [](TTapeEngine& e) { Keys(e, "link"); }},
        StepCase{"ClearTape", kTape, [](TTapeEngine& e) { Keys(e, "clear"); }},
        StepCase{"DoubleClick", "12 + 5 +", [](TTapeEngine& e) { Keys(e, "dbl"); }},
        StepCase{"PasteAppend", kTape, [](TTapeEngine& e) { Paste(e, false); }},
        StepCase{"PasteReplace", kTape, [](TTapeEngine& e) { Paste(e, true); }},
        StepCase{"PasteGrowingTheRoom", kTape, [](TTapeEngine& e) { PasteNumbers(e, 400); }},
        StepCase{"Decimals",
                 "10 / 3 =", [](TTapeEngine& e) { Change(e, &TTapeOptions::decimals, 4); }},
        StepCase{"RoundEveryNumber", "2,675 + 0,125 =",
                 [](TTapeEngine& e) { Change(e, &TTapeOptions::roundAll, true); }},
        StepCase{"RoundTotals",
                 "10 / 3 =", [](TTapeEngine& e) { Change(e, &TTapeOptions::roundTotals, false); }},
        StepCase{"CellEdit", kTape,
                 [](TTapeEngine& e) {
                     TTapeEngine::Action action(e);
                     e.Edit(TFieldEdit{1, TTapeField::Value, "50"});
                     PlayKeys(e, "refresh");
                 }},
        StepCase{"ChangedComment", "100 + 50 = ^1 #Gas",
                 [](TTapeEngine& e) { Keys(e, "#Gasoil"); }},
        StepCase{"GrowingTheRoom", "12 + ^400 5", [](TTapeEngine& e) { Keys(e, "+"); }},
        StepCase{"GrandTotal", "12 + 5 = 3 + 4", [](TTapeEngine& e) { Keys(e, "g"); }},
        StepCase{"DeleteGrandTotal", "12 + 5 = g ^3", [](TTapeEngine& e) { Keys(e, "del"); }},
        StepCase{"MemoryAdd", "12 + 5 = 3 M+", [](TTapeEngine& e) { Keys(e, "M+"); }},
        StepCase{"MemorySubtract", "12 + 5 =", [](TTapeEngine& e) { Keys(e, "M-"); }},
        StepCase{"MemoryClear", "4 M+", [](TTapeEngine& e) { Keys(e, "MC"); }}),
    CaseName<StepCase>);

// Keys that change only the entry, and moves of the current row, leave no
// step; an action that fails before it writes leaves none either.
TEST(TapeHistoryTest, ActionsThatChangeNoRowLeaveNoStep) {
    TTapeEngine engine;
    PlayKeys(engine, "12 + 5 =");
    const size_t steps = engine.History().StepCount();
    PlayKeys(engine, "3 4 ^0 @1 MC MR ADD 5 ADD");
    engine.Press(TTapeKey::Backspace);
    engine.SetEntryText(",");
    EXPECT_ANY_THROW(engine.Press(TTapeKey::Plus));
    EXPECT_ANY_THROW(engine.Press(TTapeKey::MemoryAdd));
    EXPECT_EQ(engine.History().StepCount(), steps);
}

TEST(TapeHistoryTest, ANewActionAfterAnUndoDropsTheRedo) {
    TTapeEngine engine;
    PlayKeys(engine, "12 + 5 + 7 +");
    engine.Undo();
    ASSERT_TRUE(engine.History().CanRedo());
    PlayKeys(engine, "-");
    EXPECT_FALSE(engine.History().CanRedo());
    engine.Redo();
    EXPECT_EQ(engine.Tape().RowText(2), "7\t-");
}

// A tape made by random actions, loaded as a settings file loads it.
void LoadRandomTape(TTapeEngine& engine, RandomActions& actions) {
    TTapeEngine maker;
    for (int i = 0; i < 30; ++i)
        actions.PlayOneChange(maker);
    std::vector<TTapeRow> rows;
    bool linkField = false;
    for (int32_t row = 0; row < maker.Tape().UsedRows(); ++row)
        rows.push_back(TapeRowFromLine(maker.Tape().RowText(row), linkField));
    engine.Resume({std::move(rows), maker.Tape().WritesLinkField(), {}});
}

// The state a step puts back: the fixed-decimal entry, turned on and off
// without a step, is no part of it.
WholeState StepStateOf(const TTapeEngine& engine) {
    WholeState state = StateOf(engine);
    state.options.fixedDecimals = false;
    return state;
}

// The tape itself, without the state around it that moves of the current
// row change without a step.
WholeState TapeOf(const TTapeEngine& engine) {
    WholeState state = StepStateOf(engine);
    return {state.rows, state.rowCount, state.linkField, 0,           {}, false,
            {},         state.options,  state.memory,    state.counts};
}

// 200 random actions, undo and redo among them, on a random tape: undoing
// every step gives back the first tape, redoing every step the state after
// the newest step.
TEST(TapeHistoryTest, RandomSequencesComeBackWhereTheyStarted) {
    for (unsigned seed = 1; seed <= 12; ++seed) {
        TTapeEngine engine;
        RandomActions actions(seed);
        LoadRandomTape(engine, actions);
        bool historyChanged = false;
        QObject::connect(&engine, &TTapeEngine::HistoryChanged, [&] { historyChanged = true; });
        const WholeState first = TapeOf(engine);
        std::string played;
        WholeState newest = StepStateOf(engine);
        for (int i = 0; i < 200; ++i) {
            historyChanged = false;
            played += actions.PlayOne(engine) + "; ";
            if (historyChanged && !engine.History().CanRedo()) newest = StepStateOf(engine);
        }
        while (engine.History().CanUndo())
            engine.Undo();
        ASSERT_EQ(TapeOf(engine), first) << "seed " << seed << ": " << played;
        while (engine.History().CanRedo())
            engine.Redo();
        ASSERT_EQ(StepStateOf(engine), newest) << "seed " << seed << ": " << played;
    }
}

// The oldest steps go when the history would pass its memory; the newest
// can still be undone.
TEST(TapeHistoryTest, TheHistoryKeepsToItsMemory) {
    TTapeEngine engine;
    std::vector<TTapeRow> rows(200'000);
    for (TTapeRow& row : rows) {
        row.SetField(TTapeField::Value, "1234567.891234567");  // past the short-text room
        row.SetField(TTapeField::Operator, "+");
    }
    for (int i = 0; i < 5; ++i) {
        engine.Resume({rows, false, {}});
        engine.ClearTape();
        EXPECT_LE(engine.History().Bytes(), TTapeHistory::kMaxBytes);
    }
    EXPECT_LT(engine.History().StepCount(), 5u);
    engine.Undo();
    EXPECT_EQ(engine.Tape().UsedRows(), 200'000);
    EXPECT_EQ(engine.Tape().RowText(199'999), "1234567.891234567\t+");
}

// A tape of two fifths of the history's memory, every row holding a short
// `value` (kept within the row itself).
std::vector<TTapeRow> TwoFifthsOfTheMemory(const char* value) {
    TTapeRow row;
    row.SetField(TTapeField::Value, value);
    return std::vector<TTapeRow>(TTapeHistory::kMaxBytes * 2 / 5 / sizeof(TTapeRow), row);
}

// Three tapes opened one after the other, then undone: each undone step holds
// the tape it took back, so the last undo passes the memory with only redo
// steps left. The step farthest from the tape goes; the nearest ones still
// redo, in order.
TEST(TapeHistoryTest, PastItsMemoryTheFarthestRedoStepGoes) {
    TTapeEngine engine;
    for (const char* value : {"1", "2", "3"})
        engine.ReplaceTape(TwoFifthsOfTheMemory(value), false);
    engine.Undo();
    engine.Undo();
    ASSERT_EQ(engine.History().StepCount(), 3u) << "the memory was passed too soon";
    engine.Undo();
    EXPECT_EQ(engine.Tape().UsedRows(), 0);
    EXPECT_LE(engine.History().Bytes(), TTapeHistory::kMaxBytes);
    EXPECT_EQ(engine.History().StepCount(), 2u);
    engine.Redo();
    EXPECT_EQ(engine.Tape().Value(0), "1");
    engine.Redo();
    EXPECT_EQ(engine.Tape().Value(0), "2");
    EXPECT_FALSE(engine.History().CanRedo());
}

// The rows a paste appends replaced empty ones, so its step holds next to
// nothing until it is undone, however far the paste grew the tape.
TEST(TapeHistoryTest, ALongPasteTakesLittleMemory) {
    TTapeEngine engine;
    PasteNumbers(engine, 30'000);
    ASSERT_GE(engine.Tape().RowCount(), 30'000);
    EXPECT_LT(engine.History().Bytes(), 1024u);
}

TEST(TapeHistoryTest, TheHistoryKeepsItsNewestSteps) {
    TTapeEngine engine;
    for (size_t i = 0; i < TTapeHistory::kMaxSteps + 5; ++i)
        PlayKeys(engine, "1 +");
    EXPECT_EQ(engine.History().StepCount(), TTapeHistory::kMaxSteps);
    EXPECT_LT(engine.History().Bytes(), size_t{16} << 20);
    while (engine.History().CanUndo())
        engine.Undo();
    EXPECT_EQ(engine.Tape().UsedRows(), 5);
}

}  // namespace
