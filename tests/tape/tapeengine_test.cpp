// The tape engine beyond the worked examples: what the hosting window hears,
// the lone comma, the options' range.

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "basic/platformerror.h"
#include "tape/taxkeys.h"
#include "tests/support/tablecases.h"
#include "tests/tape/tapescript.h"

namespace {

TEST_F(TapeTest, DecimalsStayInRange) {
    StartWith(engine, {.decimals = 9});
    EXPECT_EQ(engine.Options().decimals, 6);
    engine.ChangeOptions({.decimals = -1});
    EXPECT_EQ(engine.Options().decimals, 0);
}

// A tape line holds its link field once the first link has been written.
TEST_F(TapeTest, LinkFieldAppearsWithTheFirstLink) {
    PlayKeys(engine, "12 + 5 =");
    EXPECT_EQ(engine.Tape().RowText(0), "12\t+");
    PlayKeys(engine, "^0 link");
    EXPECT_EQ(engine.Tape().RowText(0), "12\t+\t");
    EXPECT_EQ(engine.Tape().RowText(3), "12\t\t0");
}

TEST_F(TapeTest, WindowHearsEntryAndSubtotalChanges) {
    std::vector<std::string> entries;
    std::vector<std::string> subtotals;
    QObject::connect(&engine, &TTapeEngine::EntryTextChanged,
                     [&](const std::string& text) { entries.push_back(text); });
    QObject::connect(&engine, &TTapeEngine::SubtotalTextChanged,
                     [&](const std::string& text) { subtotals.push_back(text); });
    PlayKeys(engine, "12 + 5 <<");
    EXPECT_EQ(entries, (std::vector<std::string>{"1", "12", "", "5", "", "17"}));
    EXPECT_EQ(subtotals, (std::vector<std::string>{"12,00", "17,00"}));
}

TEST_F(TapeTest, DisplayEditedByTheUserIsTheEntry) {
    int heard = 0;
    QObject::connect(&engine, &TTapeEngine::EntryTextChanged, [&] { ++heard; });
    engine.SetEntryText("250,5");
    engine.SetEntryText("250,5");
    EXPECT_EQ(heard, 1);
    engine.Press(TTapeKey::Plus);
    EXPECT_EQ(Tape(), "250,5 +");
}

// The lone comma: the key stops with an error and nothing on the tape or in
// the entry has changed.
struct LoneCommaCase {
    const char* name;
    std::function<void(TTapeEngine&)> press;
    friend std::ostream& operator<<(std::ostream& os, const LoneCommaCase& c) {
        return os << c.name;
    }
};

class LoneCommaTest : public TapeTest, public testing::WithParamInterface<LoneCommaCase> {};

TEST_P(LoneCommaTest, StopsBeforeTheTapeIsWritten) {
    PlayKeys(engine, "12 + 5 + @1 C ,");
    const std::string tape = Tape();
    const int32_t current = Current();
    EXPECT_THROW(GetParam().press(engine), PlatformError);
    EXPECT_EQ(Tape(), tape);
    EXPECT_EQ(Current(), current);
    EXPECT_EQ(engine.EntryText(), ",");
}

INSTANTIATE_TEST_SUITE_P(
    Keys, LoneCommaTest,
    testing::Values(LoneCommaCase{"Plus", [](TTapeEngine& e) { e.Press(TTapeKey::Plus); }},
                    LoneCommaCase{"Equal", [](TTapeEngine& e) { e.Press(TTapeKey::Total); }},
                    LoneCommaCase{"Enter", [](TTapeEngine& e) { e.Press(TTapeKey::Enter); }},
                    LoneCommaCase{"Sign", [](TTapeEngine& e) { e.Press(TTapeKey::Sign); }},
                    LoneCommaCase{"AddTax", [](TTapeEngine& e) { AddTax(e, 16); }},
                    LoneCommaCase{"TaxableBase", [](TTapeEngine& e) { TaxableBase(e, 16); }}),
    CaseName<LoneCommaCase>);

TEST_F(TapeTest, EnterOnLastRowWithLoneCommaKeepsItsOperator) {
    PlayKeys(engine, "12 + 5 + ^1 ,");
    EXPECT_THROW(engine.EnterEntry(), PlatformError);
    EXPECT_EQ(Tape(), "12 +; 5 +");
}

TEST_F(TapeTest, LinkValueOnEmptyRowLeavesTapeAlone) {
    PlayKeys(engine, "12 + 5 + ^2 link");
    EXPECT_EQ(Tape(), "12 +; 5 +");
    EXPECT_EQ(Current(), 2);
}

TEST_F(TapeTest, RowsAfterDeletingTheOnlyRowStayUsable) {
    PlayKeys(engine, "12 + ^0 del 7 + 3 =");
    EXPECT_EQ(Tape(), "7 +; 3 =; 10");
    EXPECT_FALSE(engine.RecalcSuspended());
}

TEST_F(TapeTest, OpeningPastTheFreeRowRenumbersNothing) {
    LoadTape(engine, "12 +; 5 =; 17; 12 L0");
    PlayKeys(engine, "^7 open");
    EXPECT_EQ(Tape(), "12 +; 5 =; 17; 12 L0");
    EXPECT_EQ(Current(), 6);
}

TEST_F(TapeTest, BackspaceRemovesWholeCharacters) {
    engine.SetEntryText("12\xE2\x82\xAC");  // 12 and the euro sign
    engine.Press(TTapeKey::Backspace);
    EXPECT_EQ(engine.EntryText(), "12");
    engine.SetEntryText("");
    engine.Press(TTapeKey::Backspace);
    EXPECT_EQ(engine.EntryText(), "");
}

}  // namespace

// A tape file whose last row asks for a computed row (written by hand, or by
// another program) gets that row when it is opened: the next number goes
// after it instead of on its place, where the evaluation would overwrite it.
struct OpenedTapeCase {
    const char* name;
    std::vector<std::pair<const char*, const char*>> rows;
    const char* tape;
    friend std::ostream& operator<<(std::ostream& os, const OpenedTapeCase& c) {
        return os << c.name;
    }
};

class OpenedTapeTest : public testing::TestWithParam<OpenedTapeCase> {};

TEST_P(OpenedTapeTest, GetsTheComputedRowItLacksBeforeTheNextNumber) {
    const OpenedTapeCase& c = GetParam();
    TTapeEngine engine;
    std::vector<TTapeRow> rows;
    for (const auto& [value, op] : c.rows) {
        TTapeRow& row = rows.emplace_back();
        row.SetField(TTapeField::Value, value);
        row.SetField(TTapeField::Operator, op);
    }
    engine.ReplaceTape(std::move(rows), false);
    PlayKeys(engine, "4 +");
    EXPECT_EQ(TapeLine(engine.Tape()), c.tape);
}

INSTANTIATE_TEST_SUITE_P(
    Files, OpenedTapeTest,
    testing::Values(OpenedTapeCase{"Total", {{"12", "+"}, {"5", "="}}, "12 +; 5 =; 17; 4 +"},
                    OpenedTapeCase{"Percent", {{"200", "+"}, {"15", "%"}},
                                   "200 +; 15 %; 30; 4 +"},
                    OpenedTapeCase{"GrandTotal", {{"12", "+"}, {"5", "="}, {"17", "G"}},
                                   "12 +; 5 =; 17 G; 17; 4 +"}),
    CaseName<OpenedTapeCase>);
