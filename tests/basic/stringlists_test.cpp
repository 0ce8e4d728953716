#include <gtest/gtest.h>

#include <vector>

#include "basic/platformerror.h"
#include "basic/stringlists.h"
#include "tests/support/listitems.h"
#include "tests/support/tablecases.h"

namespace {

using namespace std::string_literals;
TEST(TArrayCadenaTest, WritingPastTheEndGrowsAndReadingOutsideIsEmpty) {
    TArrayCadena array;
    array.SetItemAt(3, "x");
    EXPECT_EQ(ItemsOf(array), (Items{"", "", "x"}));
    EXPECT_EQ(array.ItemAt(0), "");
    EXPECT_EQ(array.ItemAt(-7), "");
    EXPECT_EQ(array.ItemAt(4), "");
    EXPECT_EQ(array.ItemAt(3), "x");

    array.SetItemAt(2, "y");  // inside: replaces, does not grow
    EXPECT_EQ(ItemsOf(array), (Items{"", "y", "x"}));
    EXPECT_THROW(array.SetItemAt(0, "z"), PlatformError);
    EXPECT_EQ(array.Count(), 3);
}

TEST(TArrayCadenaTest, DeleteTakesOneBasedPositions) {
    TArrayCadena array = ArrayOf({"a", "b", "c"});
    array.Delete(1);
    EXPECT_EQ(ItemsOf(array), (Items{"b", "c"}));
    array.Delete(2);
    EXPECT_EQ(ItemsOf(array), (Items{"b"}));
    // Outside the list: an error, never a write out of bounds.
    EXPECT_THROW(array.Delete(0), PlatformError);
    EXPECT_THROW(array.Delete(2), PlatformError);
    EXPECT_EQ(ItemsOf(array), (Items{"b"}));
}

TEST(TArrayCadenaTest, SearchIsExactUnlessIgnoreCase) {
    TArrayCadena array = ArrayOf({"ABC", "abc ", "abc"});
    EXPECT_EQ(array.IndexOf("abc"), 2);
    EXPECT_EQ(array.Position("abc"), 3);
    EXPECT_EQ(array.IndexOf("ab"), -1);
    EXPECT_EQ(array.Position("absent"), 0);
    EXPECT_EQ(array.IndexOf("abc\0"s), -1);

    array.IgnoreCase = true;
    EXPECT_EQ(array.IndexOf("abc"), 0);
    EXPECT_EQ(array.Position("aBc "), 2);
    // Only ASCII letters fold: the two forms of a-grave stay different.
    array.Add("\xC3\xA0");
    EXPECT_EQ(array.Position("\xC3\x80"), 0);
}

TEST(TArrayCadenaTest, TrimOptionsApplyToAddAndToTheSearchedKey) {
    TArrayCadena array;
    array.TrimRightOnAdd = true;
    array.Add("  a  ");
    array.TrimLeftOnAdd = true;
    array.Add("  b\t ");
    array.TrimRightOnAdd = false;
    array.Add("  c  ");
    EXPECT_EQ(ItemsOf(array), (Items{"  a", "b\t", "c  "}));

    // The key is trimmed as Add would trim it; the items are not trimmed again.
    EXPECT_EQ(array.Position("   c  "), 3);
    EXPECT_EQ(array.Position("  a"), 0);
}

TEST(TArrayCadenaTest, PositionOrAddAddsOnlyWhenAbsent) {
    TArrayCadena array = ArrayOf({"1", "5"});
    EXPECT_EQ(array.PositionOrAdd("5"), 2);
    EXPECT_EQ(array.Count(), 2);
    EXPECT_EQ(array.PositionOrAdd("7"), 3);
    EXPECT_EQ(ItemsOf(array), (Items{"1", "5", "7"}));

    array.TrimLeftOnAdd = true;
    EXPECT_EQ(array.PositionOrAdd("  7"), 3);
    EXPECT_EQ(array.PositionOrAdd("  8"), 4);
    EXPECT_EQ(array.ItemAt(4), "8");
}

TEST(TStringListTest, SetTextReplacesAndSplitsLikeTheLineFile) {
    TArrayCadena array = ArrayOf({"old"});
    array.TrimRightOnAdd = true;
    array.SetText("a \r\nb\rc\n\nd \r\n\0e"s);
    EXPECT_EQ(ItemsOf(array), (Items{"a", "b", "c", "", "d"}));
}

TEST(TStringListTest, InsertBypassesTheTrimmingAdd) {
    TArrayCadena array = ArrayOf({"a"});
    array.TrimLeftOnAdd = true;
    array.Insert(0, "  z");
    array.Insert(2, "  y");
    EXPECT_EQ(ItemsOf(array), (Items{"  z", "a", "  y"}));
    EXPECT_THROW(array.Insert(4, "x"), PlatformError);
    EXPECT_THROW(array.Insert(-1, "x"), PlatformError);
}

TEST(TCadenesTest, TextAssignmentAppends) {
    TCadenes list;
    list.Add("z");
    list.SetText("a\r\nb\r\n");
    EXPECT_EQ(ItemsOf(list), (Items{"z", "a", "b"}));
}

TEST(TCadenesTest, NulBecomesBlankOnlyInEndedLines) {
    TCadenes list;
    list.SetText("x\0y\rw\0"s);
    EXPECT_EQ(ItemsOf(list), (Items{"x y", "w\0"s}));
}

struct LineEndCase {
    const char* name;
    std::string text;
    Items expected;
    friend std::ostream& operator<<(std::ostream& os, const LineEndCase& c) { return os << c.name; }
};

class TCadenesLineEndTest : public testing::TestWithParam<LineEndCase> {};

TEST_P(TCadenesLineEndTest, SplitsLines) {
    TCadenes list;
    list.SetText(GetParam().text);
    EXPECT_EQ(ItemsOf(list), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TCadenesLineEndTest,
    testing::Values(LineEndCase{"EmptyLineBetweenEnds", "a\r\rb", {"a", "", "b"}},
                    LineEndCase{"LfOfCrLfIsNoLineEnd", "a\r\r\n", {"a", ""}},
                    LineEndCase{"LoneLfEndsALine", "a\nb\r\nc", {"a", "b", "c"}},
                    LineEndCase{"NulInLfEndedLine", "a\0b\n"s, {"a b"}},
                    LineEndCase{"OnlyALineEnd", "\r\n", {""}}, LineEndCase{"Empty", "", {}}),
    CaseName<LineEndCase>);

}  // namespace
