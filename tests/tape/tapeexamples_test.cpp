// The worked examples of the calculator: each plays keys on a tape and checks
// the whole tape, the current row, the entry text and the subtotal text.

#include <gtest/gtest.h>

#include "tests/support/tablecases.h"
#include "tests/tape/tapescript.h"

namespace {

using Options = TTapeOptions;

struct ExampleCase {
    const char* name;
    std::string preset;  // tape loaded before the keys
    std::string keys;
    std::string tape;
    int32_t current;
    std::string entry;
    std::string subtotal;
    Options options = {};
    friend std::ostream& operator<<(std::ostream& os, const ExampleCase& c) { return os << c.name; }
};

class TapeExampleTest : public TapeTest, public testing::WithParamInterface<ExampleCase> {};

TEST_P(TapeExampleTest, LeavesTapeEntryAndSubtotal) {
    const ExampleCase& c = GetParam();
    StartWith(engine, c.options);
    LoadTape(engine, c.preset);
    PlayKeys(engine, c.keys);
    EXPECT_EQ(Tape(), c.tape);
    EXPECT_EQ(Current(), c.current);
    EXPECT_EQ(engine.EntryText(), c.entry);
    EXPECT_EQ(engine.SubtotalText(), c.subtotal);
}

constexpr Options kNoRounding{.roundTotals = false, .roundCalculations = false};

INSTANTIATE_TEST_SUITE_P(
    Evaluation, TapeExampleTest,
    testing::Values(
        ExampleCase{"AddThenTotal", "", "12 + 5 =", "12 +; 5 =; 17", 2, "", "17,00"},
        ExampleCase{"AddThenEnterShowsTotal", "", "12 + 5 <<", "12 +; 5 =; 17", 2, "17", "17,00"},
        // Enter on the total re-enters it, then moves on past the tape, and
        // the tape stays as it was.
        ExampleCase{"EnterAgainAndAgainAfterTotalAddsNothing", "", "5 + 3 = << << <<",
                    "5 +; 3 =; 8", 4, "", ""},
        // The running value after row 2 is 230; the subtotal shows the one before.
        ExampleCase{"PercentAmount", "", "200 + 15 %", "200 +; 15 %; 30", 2, "", "200,00"},
        ExampleCase{"PercentAmountThenEnter", "", "200 + 15 % <<", "200 +; 15 %; 30", 3, "",
                    "230,00"},
        ExampleCase{"ZeroDivisorSkipped", "10 /; 0 +; 4 =", "^4 refresh", "10 /; 0 +; 4 =; 14", 4,
                    "", "14,00"},
        ExampleCase{"OperatorOnEmptyEntryReentersRowAbove", "", "12 x 5 + -", "12 x; 5 -", 2, "",
                    "60,00"},
        ExampleCase{"RoundedThirdTimesThree", "", "1 / 3 x 3 =", "1 /; 3 x; 3 =; 0.99", 3, "",
                    "0,99"},
        ExampleCase{"UnroundedThirdTimesThree", "", "1 / 3 x 3 =", "1 /; 3 x; 3 =; 1", 3, "",
                    "1,00", kNoRounding},
        ExampleCase{"RowWithoutOperatorEndsCalculation", "12 +; 5; 7 +; 3 =", "^5 refresh",
                    "12 +; 5; 7 +; 3 =; 10", 5, "", "10,00"},
        ExampleCase{"PercentOnFirstRowTakesNothing", "", "15 %", "15 %; 0", 1, "", "15,00"},
        ExampleCase{"ZeroWrittenWithoutMoving", "", "0 +", "0", 0, "0", ""},
        ExampleCase{"EqualAfterTotalOnlyWritesValue", "", "12 + 5 = 17 =", "12 +; 5 =; 17", 2, "17",
                    "17,00"},
        ExampleCase{"EqualOnEmptyEntryMovesDown", "12 +; 5 +", "^2 = =", "12 +; 5 +", 4, "",
                    "17,00"},
        ExampleCase{"EqualOnEmptyEntryEmptiesOperatorRow", "12 +; 5 +", "^0 =", "_ +; 5 +", 0, "",
                    ""},
        ExampleCase{"SignNegatesTypedNumber", "", "12,5 +/- +", "-12.5 +", 1, "", "-12,50"},
        ExampleCase{"SignOnEmptyEntryLeavesItEmpty", "", "+/- 5 +", "5 +", 1, "", "5,00"},
        ExampleCase{"BackspaceAndClear", "", "123 < + 9 C 7 =", "12 +; 7 =; 19", 2, "", "19,00"}),
    CaseName<ExampleCase>);

INSTANTIATE_TEST_SUITE_P(
    TapeCommands, TapeExampleTest,
    testing::Values(
        ExampleCase{"ClickRowZero", "", "12 + 5 = @0", "12 +; 5 =; 17", 0, "12", ""},
        ExampleCase{"ClickThenEnterLinksRecalledRow", "", "12 + 5 + @0 <<", "12 +; 5 +; _ L0", 2,
                    "", ""},
        ExampleCase{"LinkedRowFilledByNextEvaluation", "", "12 + 5 + @0 << refresh",
                    "12 +; 5 +; 12 L0", 2, "", "17,00"},
        ExampleCase{"LinkValueRepeatsRowAtEnd", "", "12 + 5 = ^1 link", "12 +; 5 =; 17; 5 L1", 3,
                    "", "17,00"},
        ExampleCase{"DeleteMiddleRow", "", "12 + 5 + 7 = ^1 del", "12 +; 7 =; 19", 1, "", "12,00"},
        ExampleCase{"DeleteTotalRowDropsItsRequest", "", "12 + 5 = ^2 del", "12 +; 5", 1, "",
                    "12,00"},
        ExampleCase{"DeleteFollowsLinks", "", "12 + 5 + 7 + ^1 link ^2 link ^1 del",
                    "12 +; 7 +; 5; 7 L1", 1, "", "12,00"},
        ExampleCase{"OpenRowAboveLinkedSource", "", "12 + 5 = ^0 link ^0 open",
                    "_ +; 12 +; 5 =; 17; 12 L1", 0, "", ""},
        ExampleCase{"OpenRowTakesOperatorAbove", "", "12 + 5 x 2 = ^1 open 3",
                    "12 +; _ +; 5 x; 2 =; 34", 1, "3", "12,00"},
        ExampleCase{"OpenedRowFilled", "", "12 + 5 x 2 = ^1 open 3 +", "12 +; 3 +; 5 x; 2 =; 40", 2,
                    "5", "15,00"},
        ExampleCase{"DoubleClickEndsLastRow", "", "12 + 5 + ^0 dbl", "12 +; 5", 2, "", "17,00"},
        ExampleCase{"ClearKeepsEntryAndSubtotal", "", "12 + 5 = @0 clear", "", 0, "12", ""}),
    CaseName<ExampleCase>);

INSTANTIATE_TEST_SUITE_P(
    ConversionAndRounding, TapeExampleTest,
    testing::Values(ExampleCase{"ToEurosRoundsTotal", "", "1000 + 2000 = eur",
                                "6.01012 +; 12.02024 =; 18.03", 2, "", "18,03"},
                    ExampleCase{"ToEurosUnrounded", "", "1000 + 2000 = eur",
                                "6.01012 +; 12.02024 =; 18.03036", 2, "", "18,03", kNoRounding},
                    ExampleCase{"ToPesetas", "", "100 + pts", "16638.6 +", 1, "", "16.638,60"},
                    ExampleCase{"RateRowKeepsItsNumber", "", "200 + 16 % eur",
                                "1.20202 +; 16 %; 0.19", 2, "", "1,20"},
                    // A multiplier or divisor is no amount: it keeps its number.
                    ExampleCase{"DivisorKeepsItsNumber", "", "116 / 2 = pts",
                                "19300.776 /; 2 =; 9650.39", 2, "", "9.650,39"},
                    ExampleCase{"MultiplierKeepsItsNumber", "", "10 x 3 = eur",
                                "0.0601 x; 3 =; 0.18", 2, "", "0,18"},
                    ExampleCase{"RoundedCalculations", "", "10 / 3 x 3 =", "10 /; 3 x; 3 =; 9.99",
                                3, "", "9,99"},
                    ExampleCase{"UnroundedCalculations",
                                "",
                                "10 / 3 x 3 =",
                                "10 /; 3 x; 3 =; 10",
                                3,
                                "",
                                "10,00",
                                {.roundCalculations = false}},
                    ExampleCase{"NoDecimalsRoundsHalfAway",
                                "",
                                "2,5 + 1 =",
                                "2,5 +; 1 =; 4",
                                2,
                                "",
                                "4",
                                {.decimals = 0}},
                    // The "+" before a rate adds nothing, so it rounds nothing either.
                    ExampleCase{"RateSkipLeavesRunningValueUnrounded", "0,125 +; 16 %; _ =",
                                "^4 refresh", "0,125 +; 16 %; 0.02 =; 0.14", 4, "", "0,14"},
                    ExampleCase{"RoundAllRewritesValues",
                                "",
                                "1,234 + 1 =",
                                "1.23 +; 1.00 =; 2.23",
                                2,
                                "",
                                "2,23",
                                {.roundAll = true}},
                    ExampleCase{"DisplayedDecimalsFollowOption",
                                "",
                                "1234,5 +",
                                "1234,5 +",
                                1,
                                "",
                                "1.234,5000",
                                {.decimals = 4}}),
    CaseName<ExampleCase>);

// Beyond the described algorithms: a number typed on the total or percent
// amount that ends the tape starts a new calculation instead of being
// overwritten; a linked row takes its source's value before the evaluation
// uses it; RoundAll leaves empty rows empty; a cell holding no number reads 0;
// the subtotal after the first row of a new calculation is that row's number;
// "=" that only moves down updates the subtotal.
INSTANTIATE_TEST_SUITE_P(
    MendedFaults, TapeExampleTest,
    testing::Values(ExampleCase{"NumberTypedOnTotalStartsNewCalculation", "",
                                "12 + 5 = 3 + 4 =", "12 +; 5 =; 17; 3 +; 4 =; 7", 5, "", "7,00"},
                    ExampleCase{"NumberTypedOnTotalThenEqual", "",
                                "12 + 5 = 3 =", "12 +; 5 =; 17; 3 =; 3", 4, "", "3,00"},
                    ExampleCase{"NumberTypedOnPercentAmountKept", "", "200 + 15 % 50 +",
                                "200 +; 15 %; 30; 50 +", 4, "", "50,00"},
                    ExampleCase{"ZeroTypedOnTotalKept", "", "12 + 5 = 0 +", "12 +; 5 =; 17; 0", 3,
                                "0", "17,00"},
                    ExampleCase{"TotalShownByEnterContinues", "",
                                "12 + 5 << + 3 =", "12 +; 5 =; 17 +; 3 =; 20", 4, "", "20,00"},
                    ExampleCase{"ComputedRowInMiddleWrittenAsBefore", "", "12 + 5 = 3 + 4 = ^2 9 +",
                                "12 +; 5 =; 17 +; 3 +; 4 =; 24", 3, "3", "17,00"},
                    ExampleCase{"LinkedRowCountsInSameEvaluation", "12 +; 5 +; _ = L0",
                                "^4 refresh", "12 +; 5 +; 12 = L0; 29", 4, "", "29,00"},
                    ExampleCase{"ChangedSourceFollowedAtOnce", "12 +; 5 +; _ = L0",
                                "^4 refresh ^0 20 +", "20 +; 5 +; 20 = L0; 45", 1, "5", "20,00"},
                    ExampleCase{"RoundAllKeepsTapeLength",
                                "",
                                "12 + 5 = refresh refresh",
                                "12.00 +; 5.00 =; 17.00",
                                2,
                                "",
                                "17,00",
                                {.roundAll = true}},
                    ExampleCase{"CellWithoutNumberReadsZero", ". +; 5 =", "^3 refresh",
                                ". +; 5 =; 5", 3, "", "5,00"},
                    ExampleCase{"SubtotalOfNewCalculationIsItsNumber", "12 +; 5 =; 17; 3 +; 4 =; 7",
                                "@4", "12 +; 5 =; 17; 3 +; 4 =; 7", 4, "4", "3,00"},
                    ExampleCase{"SubtotalFollowsEnterAfterPercent", "", "100 - 10 % <<",
                                "100 -; 10 %; 10", 3, "", "90,00"}),
    CaseName<ExampleCase>);

}  // namespace
