// The keys of a desk printing calculator on the tape engine: the item count
// of each calculation, the grand total, the memory and the fixed-decimal
// entry. Each table plays keys on a tape and checks what they leave.

#include <gtest/gtest.h>

#include "basic/stringlists.h"
#include "tape/tapelook.h"
#include "tests/support/tablecases.h"
#include "tests/tape/tapescript.h"

namespace {

// The counts the rows show, as "row=count" ("row=GTcount" on a grand total).
std::string CountsLine(const TTapeDocument& tape) {
    std::string line;
    for (int32_t row = 0; row <= tape.UsedRows(); ++row) {
        const std::optional<int32_t> count = tape.Counts().Shown(row);
        if (!count) continue;
        if (!line.empty()) line += ' ';
        line += std::to_string(row) + '=';
        if (tape.Operator(row - 1) == TTapeOperator::GrandTotal) line += "GT";
        line += std::to_string(*count);
    }
    return line;
}

// ---- Item counts ------------------------------------------------------------

struct CountCase {
    const char* name;
    std::string preset;
    std::string keys;
    std::string tape;
    std::string counts;
    // The count beside the running value before the current row.
    int32_t running;
    friend std::ostream& operator<<(std::ostream& os, const CountCase& c) { return os << c.name; }
};

class ItemCountTest : public TapeTest, public testing::WithParamInterface<CountCase> {};

TEST_P(ItemCountTest, CountsTheItemsOfEachCalculation) {
    const CountCase& c = GetParam();
    LoadTape(engine, c.preset);
    PlayKeys(engine, c.keys);
    EXPECT_EQ(Tape(), c.tape);
    EXPECT_EQ(CountsLine(engine.Tape()), c.counts);
    EXPECT_EQ(engine.Tape().Counts().Running(Current() - 1), c.running);
}

INSTANTIATE_TEST_SUITE_P(
    Counts, ItemCountTest,
    testing::Values(
        CountCase{"AddAndSubtract", "", "1250,5 + 380 - 12,5 =", "1250,5 +; 380 -; 12,5 =; 1618",
                  "3=3", 3},
        // Neither the rate nor its amount is an item.
        CountCase{"VatAdded", "100 +; 16 %; 16", "^3 refresh", "100 +; 16 %; 16", "", 1},
        CountCase{"TaxableBase", "116 /; 1.16 =", "^3 refresh", "116 /; 1.16 =; 100", "2=1", 1},
        CountCase{"ADivisorIsNoItem", "", "12 x 5 + 3 =", "12 x; 5 +; 3 =; 63", "3=2", 2},
        CountCase{"ALinkedRowCounts", "12 +; 5 +; _ + L0; 3 =", "^5 refresh",
                  "12 +; 5 +; 12 + L0; 3 =; 32", "4=4", 4},
        CountCase{"AnOpenedRowCountsAtOnce", "", "10 + 5 + 3 = ^1 open", "10 +; _ +; 5 +; 3 =; 18",
                  "4=4", 1},
        CountCase{"ADeletedRowGoesAtOnce", "", "10 + 5 + 3 = ^1 del", "10 +; 3 =; 13", "2=2", 1},
        CountCase{"ARowWithoutOperatorEndsACalculation", "12 +; 5; 7 +; 3 =", "^5 refresh",
                  "12 +; 5; 7 +; 3 =; 10", "4=2", 2},
        // Going on from a total: the total is no item of the next calculation.
        CountCase{"GoingOnFromATotal", "", "12 + 5 << + 3 =", "12 +; 5 =; 17 +; 3 =; 20", "2=2 4=1",
                  1},
        CountCase{"TheCalculationBeingTyped", "", "12 + 5 + 3 +", "12 +; 5 +; 3 +", "", 3}),
    CaseName<CountCase>);

// ---- Grand total ------------------------------------------------------------

struct GrandTotalCase {
    const char* name;
    std::string preset;
    std::string keys;
    std::string tape;
    std::string counts;
    int32_t current;
    std::string subtotal;
    friend std::ostream& operator<<(std::ostream& os, const GrandTotalCase& c) {
        return os << c.name;
    }
};

class GrandTotalTest : public TapeTest, public testing::WithParamInterface<GrandTotalCase> {};

TEST_P(GrandTotalTest, SumsTheTotalsSinceTheLastGrandTotal) {
    const GrandTotalCase& c = GetParam();
    LoadTape(engine, c.preset);
    PlayKeys(engine, c.keys);
    EXPECT_EQ(Tape(), c.tape);
    EXPECT_EQ(CountsLine(engine.Tape()), c.counts);
    EXPECT_EQ(Current(), c.current);
    EXPECT_EQ(engine.SubtotalText(), c.subtotal);
}

const std::string kTwoTotals = "10 + 5 = 7 + 3 =";
const std::string kTwoTotalsTape = "10 +; 5 =; 15; 7 +; 3 =; 10";

INSTANTIATE_TEST_SUITE_P(
    GrandTotal, GrandTotalTest,
    testing::Values(GrandTotalCase{"TwoTotals", "", kTwoTotals + " g", kTwoTotalsTape + " G; 25",
                                   "2=2 5=2 6=GT2", 7, "25,00"},
                    GrandTotalCase{"TheNextOneStartsAfterIt", "", kTwoTotals + " g 1 + 1 = g",
                                   kTwoTotalsTape + " G; 25; 1 +; 1 =; 2 G; 2",
                                   "2=2 5=2 6=GT2 9=2 10=GT1", 11, "2,00"},
                    GrandTotalCase{"ANumberTypedIsTotalledFirst", "", "10 + 5 g",
                                   "10 +; 5 =; 15 G; 15", "2=2 3=GT1", 4, "15,00"},
                    GrandTotalCase{"AnOpenCalculationIsTotalledFirst", "", "10 + 5 + g",
                                   "10 +; 5 =; 15 G; 15", "2=2 3=GT1", 4, "15,00"},
                    GrandTotalCase{"APercentAmountIsTotalledFirst", "100 +; 16 %; 16", "g",
                                   "100 +; 16 %; 16 =; 116 G; 116", "3=1 4=GT1", 5, "116,00"},
                    GrandTotalCase{"NothingToSum", "", "g", "", "", 0, ""},
                    GrandTotalCase{"ATotalAboveDeleted", "", kTwoTotals + " g ^2 del",
                                   "10 +; 5; 7 +; 3 =; 10 G; 10", "4=2 5=GT1", 2, "15,00"},
                    GrandTotalCase{"DeletedItself", "", "10 + 5 = g ^3 del", "10 +; 5 =; 15", "2=2",
                                   2, "15,00"},
                    GrandTotalCase{"ATapeStoredWithOne", kTwoTotalsTape + " G; 0", "^7 refresh",
                                   kTwoTotalsTape + " G; 25", "2=2 5=2 6=GT2", 7, "25,00"}),
    CaseName<GrandTotalCase>);

TEST_F(GrandTotalTest, LooksLikeATotalUnderADoubleRuleWithItsCount) {
    PlayKeys(engine, kTwoTotals + " g");
    const TTapeRowLook total = TapeRowLook(engine.Tape(), 5);
    const TTapeRowLook grand = TapeRowLook(engine.Tape(), 6);
    EXPECT_EQ(grand.ink, total.ink);
    EXPECT_TRUE(grand.bold);
    EXPECT_TRUE(grand.doubleRule);
    EXPECT_FALSE(total.doubleRule);
    EXPECT_EQ(TapeCountMark(engine.Tape(), 5), "2 \u00B7");
    EXPECT_EQ(TapeCountMark(engine.Tape(), 6), "GT 2 \u00B7");
    EXPECT_EQ(TapeCountMark(engine.Tape(), 4), "");
}

// ---- Memory -----------------------------------------------------------------

struct MemoryCase {
    const char* name;
    std::string keys;
    double memory;
    std::string tape;
    std::string entry;
    TTapeOptions options = {};
    friend std::ostream& operator<<(std::ostream& os, const MemoryCase& c) { return os << c.name; }
};

class MemoryTest : public TapeTest, public testing::WithParamInterface<MemoryCase> {};

TEST_P(MemoryTest, KeepsWhatTheKeysPutThere) {
    const MemoryCase& c = GetParam();
    StartWith(engine, c.options);
    PlayKeys(engine, c.keys);
    EXPECT_EQ(engine.State().memory, c.memory);
    EXPECT_EQ(Tape(), c.tape);
    EXPECT_EQ(engine.EntryText(), c.entry);
}

constexpr TTapeOptions kUnrounded{.roundCalculations = false};

INSTANTIATE_TEST_SUITE_P(
    Memory, MemoryTest,
    testing::Values(
        MemoryCase{"AddSubtractAndRecall", "10 + 5 = M+ 3 M+ 2 M- MR + 1 =", 16,
                   "10 +; 5 =; 15; 16 +; 1 =; 17", ""},
        MemoryCase{"TheNextDigitStartsANumber", "5 M+ 3 M+", 8, "", "3"},
        MemoryCase{"AnEmptyEntryAddsTheRunningValue", "12 + 5 + M+", 17, "12 +; 5 +", ""},
        MemoryCase{"SubtractedFromNothing", "4 M- MR", -4, "", "-4"},
        MemoryCase{"RoundedAsCalculationsAre", "0,125 M+", 0.13, "", "0,125"},
        MemoryCase{"UnroundedWhenCalculationsAreNot", "0,125 M+", 0.125, "", "0,125", kUnrounded},
        MemoryCase{"RecalledWithEveryDigit", "1 / 3 = M+ MR", 1.0 / 3, "1 /; 3 =; 0.33",
                   "0,3333333333333333", kUnrounded},
        MemoryCase{"RecalledAsIfTyped", "7 M+ MR 5", 7, "", "75"},
        MemoryCase{"Cleared", "7 M+ MC MR", 0, "", "0"},
        MemoryCase{"AfterUndo", "5 M+ 3 M+ undo", 5, "", "3"},
        MemoryCase{"UndoTakesBackTheMemoryKeyAlone", "5 + 5 M+ undo", 0, "5 +", "5"}),
    CaseName<MemoryCase>);

// ---- Fixed-decimal entry ------------------------------------------------------

struct FixedDecimalsCase {
    const char* name;
    int32_t decimals;
    std::string keys;
    std::string entry;
    std::string tape = "";
    friend std::ostream& operator<<(std::ostream& os, const FixedDecimalsCase& c) {
        return os << c.name;
    }
};

class FixedDecimalsTest : public TapeTest, public testing::WithParamInterface<FixedDecimalsCase> {};

TEST_P(FixedDecimalsTest, ShapesTheNumbersAsTheyAreTyped) {
    const FixedDecimalsCase& c = GetParam();
    StartWith(engine, {.decimals = c.decimals, .fixedDecimals = true});
    PlayKeys(engine, c.keys);
    EXPECT_EQ(engine.EntryText(), c.entry);
    EXPECT_EQ(Tape(), c.tape);
}

INSTANTIATE_TEST_SUITE_P(
    FixedDecimals, FixedDecimalsTest,
    testing::Values(FixedDecimalsCase{"OneDigit", 2, "1", "0,01"},
                    FixedDecimalsCase{"FourDigits", 2, "1234", "12,34"},
                    FixedDecimalsCase{"ACalculation", 2, "1234 + 5 + 12,5 =", "",
                                      "12,34 +; 0,05 +; 12,5 =; 24.89"},
                    FixedDecimalsCase{"ACommaEndsIt", 2, "12,5", "12,5"},
                    FixedDecimalsCase{"ACommaAfterAZero", 2, "0,5", "0,5"},
                    FixedDecimalsCase{"LeadingZeros", 2, "005", "0,05"},
                    FixedDecimalsCase{"NoDecimalsChangesNothing", 0, "1234 +", "", "1234 +"},
                    FixedDecimalsCase{"SixDecimals", 6, "1234567 +", "", "1,234567 +"},
                    FixedDecimalsCase{"BackspaceDropsTheLastDigit", 2, "1234 <", "1,23"},
                    FixedDecimalsCase{"BackspaceOnTheLastDigit", 2, "5 <", ""},
                    FixedDecimalsCase{"TheSignKeyKeepsTheShape", 2, "12 +/- 3", "-1,23"},
                    FixedDecimalsCase{"EachNewNumber", 2, "12 + 34", "0,34", "0,12 +"},
                    FixedDecimalsCase{"AfterUndo", 2, "12 M+ undo 3", "1,23"},
                    FixedDecimalsCase{"ANumberBegunBeforeGoesOnAsTyped", 2, "ADD 12 ADD 3", "123"}),
    CaseName<FixedDecimalsCase>);

// A pasted line and an entry set as a whole (an edit of the display) are
// taken as they are, and digits typed after such an entry go on as typed.
TEST_F(FixedDecimalsTest, LeavesPastesAndEditsAsTheyAre) {
    StartWith(engine, {.fixedDecimals = true});
    TArrayCadena lines;
    lines.Add("1234");
    engine.AddLinesToTape(lines);
    EXPECT_EQ(Tape(), "1234 +");
    engine.SetEntryText("12");
    PlayKeys(engine, "3");
    EXPECT_EQ(engine.EntryText(), "123");
}

// Turning it on and off changes no row and leaves no step; undoing another
// step leaves it as it is.
TEST_F(FixedDecimalsTest, IsNoStepOfTheHistory) {
    PlayKeys(engine, "12 + ADD");
    EXPECT_EQ(engine.History().StepCount(), 1u);
    TTapeOptions options = engine.Options();
    options.decimals = 4;
    engine.ChangeOptions(options);
    engine.Undo();
    EXPECT_TRUE(engine.Options().fixedDecimals);
    EXPECT_EQ(engine.Options().decimals, 2);
}

}  // namespace
