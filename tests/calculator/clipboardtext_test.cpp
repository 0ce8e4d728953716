// The tape as clipboard text, and text lines appended to the tape.

#include <gtest/gtest.h>

#include "basic/stringlists.h"
#include "tests/calculator/tapescript.h"

namespace {

TArrayCadena Lines(std::initializer_list<const char*> lines) {
    TArrayCadena list;
    for (const char* line : lines)
        list.Add(line);
    return list;
}

TEST_F(TapeTest, CopiedValuesUseOneDecimalSeparator) {
    Play(engine, "12,5 + 3 =");
    EXPECT_EQ(engine.CopyValuesText(), "12,5\r\n3\r\n15,5\r\n");
    engine.ToggleConvertOnCopy();
    EXPECT_EQ(engine.CopyValuesText(), "12.5\r\n3\r\n15.5\r\n");
}

TEST_F(TapeTest, EmptyTapeCopiesNothing) {
    EXPECT_EQ(engine.CopyValuesText(), "");
    EXPECT_EQ(engine.CopyTapeText(), "");
    EXPECT_EQ(engine.CopyResultText(), "");
}

TEST_F(TapeTest, CopiedTapeHasTabsAndCommasWhateverTheOption) {
    Play(engine, "12,5 + 3 = ^0 link");
    const std::string expected = "12,5\t+\t\r\n3\t=\t\r\n15,5\t\t\r\n12,5\t\t0\r\n";
    EXPECT_EQ(engine.CopyTapeText(), expected);
    engine.SetConvertOnCopy(true);
    EXPECT_EQ(engine.CopyTapeText(), expected);
}

TEST_F(TapeTest, ResultIsTheTotalOfTheCurrentPosition) {
    Play(engine, "12 + 5 = 3 + 4 =");
    ASSERT_EQ(Tape(), "12 +; 5 =; 17; 3 +; 4 =; 7");
    const std::pair<int32_t, std::string> cases[] = {{0, "17"}, {2, "17"}, {3, "7"},
                                                     {5, "7"},  {6, "7"},  {40, "7"}};
    for (const auto& [row, result] : cases) {
        paper.PosarFilaActual(row);
        EXPECT_EQ(engine.ResultText(), result) << "current row " << row;
    }
}

TEST_F(TapeTest, CopiedResultFollowsTheSeparatorOption) {
    Play(engine, "1,5 + 1 =");
    EXPECT_EQ(engine.CopyResultText(), "2,5");
    engine.SetConvertOnCopy(true);
    EXPECT_EQ(engine.CopyResultText(), "2.5");
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
    Play(engine, "12 +");
    engine.AddLinesToTape(Lines({"25,5"}));
    EXPECT_EQ(Tape(), "12 +; 25.5 +");
    EXPECT_EQ(Current(), 2);
    EXPECT_EQ(engine.SubtotalText(), "37,50");
}

TEST_F(TapeTest, ZeroAndLettersAddNothing) {
    Play(engine, "12 +");
    engine.AddLinesToTape(Lines({"0"}));
    EXPECT_EQ(Tape(), "12 +");
    engine.AddLinesToTape(Lines({"0", "abc", "", "."}));
    EXPECT_EQ(Tape(), "12 +");
    EXPECT_EQ(Current(), 1);
    EXPECT_EQ(engine.SubtotalText(), "12,00");
}

TEST_F(TapeTest, PendingEntryNeverReplacesPastedValue) {
    Play(engine, "99");
    engine.AddLinesToTape(Lines({"5", "7"}));
    EXPECT_EQ(Tape(), "5 +; 7");
    EXPECT_EQ(engine.SubtotalText(), "12,00");
}

TEST_F(TapeTest, CopiedTapePastedBack) {
    Play(engine, "12,5 + 3 = ^0 link");
    TArrayCadena lines;
    lines.SetText(engine.CopyTapeText());
    engine.ClearTape();
    engine.AddLinesToTape(lines);
    EXPECT_EQ(Tape(), "12.5 +; 3 =; 15.5 +; 12.5 L0");
    EXPECT_EQ(Current(), 4);
    EXPECT_EQ(engine.SubtotalText(), "28,00");
}

}  // namespace
