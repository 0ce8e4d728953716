// Comments on tape rows: how a line carries one, what a comment may hold, and
// that copies and pastes leave its points and commas alone.

#include <gtest/gtest.h>

#include "basic/stringlists.h"
#include "tape/tapeclipboard.h"
#include "tests/support/tablecases.h"
#include "tests/tape/tapeactions.h"

namespace {

struct LineCase {
    const char* name;
    const char* line;
    const char* value;
    const char* op;
    const char* link;
    const char* comment;
    friend std::ostream& operator<<(std::ostream& os, const LineCase& c) { return os << c.name; }
};

class TapeLineTest : public testing::TestWithParam<LineCase> {};

// A line read back into a row, and the row written as a line again.
TEST_P(TapeLineTest, ReadsItsFieldsAndWritesTheSameLine) {
    const LineCase& c = GetParam();
    bool linkField = false;
    const TTapeRow row = TapeRowFromLine(c.line, linkField);
    EXPECT_EQ(row.Value(), c.value);
    EXPECT_EQ(row.OperatorField(), c.op);
    EXPECT_EQ(row.Link(), c.link);
    EXPECT_EQ(row.Comment(), c.comment);
    TTapeDocument tape;
    tape.ReplaceRows({row}, linkField);
    EXPECT_EQ(tape.RowText(0), c.line);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, TapeLineTest,
    testing::Values(LineCase{"NoComment", "1200\t+", "1200", "+", "", ""},
                    LineCase{"Comment", "1200\t+\t\tLloguer", "1200", "+", "", "Lloguer"},
                    LineCase{"LinkAndComment", "17\t\t2\tTotal gener", "17", "", "2",
                             "Total gener"},
                    LineCase{"BlanksAndQuotesKept", "5\t=\t\t \"Factura\" 12.3, abril ", "5", "=",
                             "", " \"Factura\" 12.3, abril "},
                    LineCase{"NumbersTrimmedAsBefore", "5\t=\t\tx", "5", "=", "", "x"}),
    CaseName<LineCase>);

TEST(TapeCommentTest, AnyTextBecomesOneLineOfAtMost250Characters) {
    EXPECT_EQ(TapeComment("a\tb\r\nc"), "a b  c");
    const std::string accents(300, 'a');
    EXPECT_EQ(TapeComment(accents).size(), kMaxCommentLength);
    std::string catalan;
    for (int i = 0; i < 200; ++i)
        catalan += "\xC3\xA0\xC3\xA8";  // "àè", two bytes each
    const std::string kept = TapeComment(catalan);
    EXPECT_EQ(kept.size(), 2 * kMaxCommentLength);  // characters, not bytes, and none cut
    bool linkField = false;
    EXPECT_EQ(TapeRowFromLine("1\t+\t\tx\ty\tz", linkField).Comment(), "x y z");
}

// The separator rules of copies and pastes are for the numbers only.
TEST(TapeCommentTest, CopyAndPasteKeepTheCommentAsWritten) {
    TTapeEngine engine;
    PlayKeys(engine, "1200 + 35,5 =");
    engine.Edit(TFieldEdit{0, TTapeField::Comment, "Factura 12.3, abril"});
    engine.Edit(TFieldEdit{1, TTapeField::Comment, "1.234,5 kg"});
    const std::string copied = CopyTapeText(engine.Tape());
    EXPECT_EQ(copied, "1200\t+\t\tFactura 12.3, abril\r\n35,5\t=\t\t1.234,5 kg\r\n1235,5\t\r\n");

    TTapeEngine other;
    TArrayCadena lines;
    lines.AddLines(copied);
    other.AddLinesToTape(lines);
    EXPECT_EQ(other.Tape().Row(0).Comment(), "Factura 12.3, abril");
    EXPECT_EQ(other.Tape().Row(1).Comment(), "1.234,5 kg");
    EXPECT_EQ(other.Tape().Value(1), "35.5");
    // The empty link field before a comment brings no link field to the tape.
    EXPECT_FALSE(other.Tape().WritesLinkField());
    EXPECT_EQ(other.Tape().RowText(2), "1235.5\t");
}

// A comment belongs to its row: it moves with it, a linked row does not take
// it, a conversion leaves it, and its edit is a step of its own.
TEST(TapeCommentTest, ACommentStaysWithItsRow) {
    TTapeEngine engine;
    PlayKeys(engine, "100 + 50 =");
    engine.Edit(TFieldEdit{1, TTapeField::Comment, "Gas"});
    PlayKeys(engine, "^1 link ^0 open eur");
    EXPECT_EQ(engine.Tape().Row(2).Comment(), "Gas");
    EXPECT_EQ(engine.Tape().Row(4).Comment(), "");
    EXPECT_EQ(engine.Tape().Row(4).Link(), "2");
    PlayKeys(engine, "^0 del");
    EXPECT_EQ(engine.Tape().Row(1).Comment(), "Gas");
    // "+", "=", then the comment: three steps.
    while (engine.History().CanUndo())
        engine.Undo();
    for (int step = 0; step < 2; ++step)
        engine.Redo();
    EXPECT_EQ(engine.Tape().Row(1).Comment(), "");
    engine.Redo();
    EXPECT_EQ(engine.Tape().Row(1).Comment(), "Gas");
}

}  // namespace

namespace {

// A tape file and the settings file give back every row as it was written:
// quotes and blanks in a field are characters like any other, and a tab or a
// line break can reach no field.
TEST(TapeLineRoundTripTest, WhatARowHoldsComesBackFromItsLine) {
    TTapeRow row;
    row.SetField(TTapeField::Value, "5\"");
    row.SetField(TTapeField::Operator, "\"a\tb\"");
    row.SetField(TTapeField::Comment, " \"dit\"\t ");
    EXPECT_EQ(row.OperatorField(), "\"a b\"");
    TTapeDocument tape;
    tape.ReplaceRows({row}, false);
    bool linkField = false;
    const TTapeRow back = TapeRowFromLine(tape.RowText(0), linkField);
    EXPECT_TRUE(back == row) << tape.RowText(0);
}

}  // namespace
