// The tape as clipboard text, and text lines appended to the tape.

#include <gtest/gtest.h>

#include "basic/stringlists.h"
#include "tape/tapeclipboard.h"
#include "tests/tape/tapescript.h"

namespace {

TArrayCadena Lines(std::initializer_list<const char*> lines) {
    TArrayCadena list;
    for (const char* line : lines)
        list.Add(line);
    return list;
}

TEST_F(TapeTest, CopiedValuesUseOneDecimalSeparator) {
    PlayKeys(engine, "12,5 + 3 =");
    EXPECT_EQ(CopyValuesText(engine.Tape(), engine.Options().convertOnCopy),
              "12,5\r\n3\r\n15,5\r\n");
    StartWith(engine, {.convertOnCopy = true});
    EXPECT_EQ(CopyValuesText(engine.Tape(), engine.Options().convertOnCopy),
              "12.5\r\n3\r\n15.5\r\n");
}

TEST_F(TapeTest, EmptyTapeCopiesNothing) {
    EXPECT_EQ(CopyValuesText(engine.Tape(), engine.Options().convertOnCopy), "");
    EXPECT_EQ(CopyTapeText(engine.Tape()), "");
    EXPECT_EQ(CopyResultText(engine.Tape(), engine.Options().convertOnCopy), "");
}

TEST_F(TapeTest, CopiedTapeHasTabsAndCommasWhateverTheOption) {
    PlayKeys(engine, "12,5 + 3 = ^0 link");
    const std::string expected = "12,5\t+\t\r\n3\t=\t\r\n15,5\t\t\r\n12,5\t\t0\r\n";
    EXPECT_EQ(CopyTapeText(engine.Tape()), expected);
    StartWith(engine, {.convertOnCopy = true});
    EXPECT_EQ(CopyTapeText(engine.Tape()), expected);
}

TEST_F(TapeTest, ResultIsTheTotalOfTheCurrentPosition) {
    PlayKeys(engine, "12 + 5 = 3 + 4 =");
    ASSERT_EQ(Tape(), "12 +; 5 =; 17; 3 +; 4 =; 7");
    const std::pair<int32_t, std::string> cases[] = {{0, "17"}, {2, "17"}, {3, "7"},
                                                     {5, "7"},  {6, "7"},  {40, "7"}};
    for (const auto& [row, result] : cases) {
        engine.SelectRow(row);
        EXPECT_EQ(ResultText(engine.Tape()), result) << "current row " << row;
    }
}

TEST_F(TapeTest, CopiedResultFollowsTheSeparatorOption) {
    PlayKeys(engine, "1,5 + 1 =");
    EXPECT_EQ(CopyResultText(engine.Tape(), engine.Options().convertOnCopy), "2,5");
    StartWith(engine, {.convertOnCopy = true});
    EXPECT_EQ(CopyResultText(engine.Tape(), engine.Options().convertOnCopy), "2.5");
}

TEST_F(TapeTest, PastedNumbersWithEitherSeparator) {
    engine.AddLinesToTape(Lines({"1.234,56", "1,234.56", "1234"}));
    EXPECT_EQ(Tape(), "1234.56 +; 1234.56 +; 1234");
    EXPECT_EQ(Current(), 3);
    EXPECT_EQ(engine.SubtotalText(), "3.703,12");
}

TEST_F(TapeTest, PastedLineStartingWithTab) {
    engine.AddLinesToTape(Lines({"\t7,5", "\t8"}));
    EXPECT_EQ(Tape(), "7.5 +; 8");
}

TEST_F(TapeTest, SinglePastedLineUpdatesTheSubtotal) {
    PlayKeys(engine, "12 +");
    engine.AddLinesToTape(Lines({"25,5"}));
    EXPECT_EQ(Tape(), "12 +; 25.5 +");
    EXPECT_EQ(Current(), 2);
    EXPECT_EQ(engine.SubtotalText(), "37,50");
}

TEST_F(TapeTest, ZeroAndLettersAddNothing) {
    PlayKeys(engine, "12 +");
    engine.AddLinesToTape(Lines({"0"}));
    EXPECT_EQ(Tape(), "12 +");
    engine.AddLinesToTape(Lines({"0", "abc", "", "."}));
    EXPECT_EQ(Tape(), "12 +");
    EXPECT_EQ(Current(), 1);
    EXPECT_EQ(engine.SubtotalText(), "12,00");
}

TEST_F(TapeTest, PendingEntryNeverReplacesPastedValue) {
    PlayKeys(engine, "99");
    engine.AddLinesToTape(Lines({"5", "7"}));
    EXPECT_EQ(Tape(), "5 +; 7");
    EXPECT_EQ(engine.SubtotalText(), "12,00");
}

TEST_F(TapeTest, CopiedTapePastedBack) {
    PlayKeys(engine, "12,5 + 3 = ^0 link");
    TArrayCadena lines;
    lines.SetText(CopyTapeText(engine.Tape()));
    engine.ClearTape();
    engine.AddLinesToTape(lines);
    EXPECT_EQ(Tape(), "12.5 +; 3 =; 15.5 +; 12.5 L0");
    EXPECT_EQ(Current(), 4);
    EXPECT_EQ(engine.SubtotalText(), "28,00");
}

}  // namespace
