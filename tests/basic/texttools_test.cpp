#include <gtest/gtest.h>

#include "basic/texttools.h"
#include "tests/support/tablecases.h"

namespace {

struct PadCase {
    const char* name;
    std::string (*pad)(const std::string&, uint8_t);
    std::string text;
    uint8_t width;
    std::string expected;
    friend std::ostream& operator<<(std::ostream& os, const PadCase& c) { return os << c.name; }
};

class PadTest : public testing::TestWithParam<PadCase> {};

TEST_P(PadTest, GivesFixedWidthField) {
    const PadCase& c = GetParam();
    EXPECT_EQ(c.pad(c.text, c.width), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, PadTest,
    testing::Values(
        PadCase{"ZeroPadCutsAtPoint", ZeroPadDigits, "12.7", 3, "012"},
        PadCase{"ZeroPadSkipsSign", ZeroPadDigits, "-45", 4, "0045"},
        PadCase{"ZeroPadKeepsLastDigits", ZeroPadDigits, "123456", 4, "3456"},
        PadCase{"ZeroPadEmpty", ZeroPadDigits, "", 2, "00"},
        PadCase{"ZeroPadCommaDoesNotCut", ZeroPadDigits, "1,5", 3, "015"},
        PadCase{"PadLeftAligns", PadLeft, "abc", 5, "  abc"},
        PadCase{"PadLeftKeepsTail", PadLeft, "abcdef", 3, "def"},
        PadCase{"PadRightCuts", PadRight, "abc", 2, "ab"},
        PadCase{"PadRightFills", PadRight, "abc", 5, "abc  "},
        PadCase{"PadRightZeroWidthKeeps", PadRight, "abc", 0, "abc"},
        PadCase{"PadRightStopsAtNul", PadRight, std::string("ab\0cd", 5), 4, "ab  "}),
    CaseName<PadCase>);

TEST(TrimTest, RemovesOnlyByte32) {
    EXPECT_EQ(TrimLeftBlanks("  a b  "), "a b  ");
    EXPECT_EQ(TrimRightBlanks("  a b  "), "  a b");
    EXPECT_EQ(TrimBlanks("  a b  "), "a b");
    EXPECT_EQ(TrimBlanks("\ta\t"), "\ta\t");
    EXPECT_EQ(TrimBlanks("    "), "");
}

TEST(ReplaceAllTest, ReplacesEveryOccurrence) {
    EXPECT_EQ(ReplaceAll("1.234.567", ".", ""), "1234567");
    EXPECT_EQ(ReplaceAll("a#13b#13", "#13", "\r\n"), "a\r\nb\r\n");
    EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
    // A replacement holding the pattern must still end.
    EXPECT_EQ(ReplaceAll("aa", "a", "aa"), "aaaa");
}

struct CompareCase {
    const char* name;
    std::string a;
    uint8_t code;
    std::string b;
    bool expected;
    friend std::ostream& operator<<(std::ostream& os, const CompareCase& c) { return os << c.name; }
};

class CompareTextsTest : public testing::TestWithParam<CompareCase> {};

TEST_P(CompareTextsTest, FollowsOperatorCode) {
    const CompareCase& c = GetParam();
    EXPECT_EQ(CompareTexts(c.a, c.code, c.b), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, CompareTextsTest,
    testing::Values(CompareCase{"Equal", "abc", 1, "abc", true},
                    CompareCase{"EqualIsCaseSensitive", "abc", 1, "ABC", false},
                    CompareCase{"Differs", "abc", 2, "abd", true},
                    CompareCase{"GreaterByByte", "b", 3, "a", true},
                    CompareCase{"HighByteIsGreater", "\xC3\xA8", 3, "z", true},
                    CompareCase{"Less", "a", 4, "b", true},
                    CompareCase{"GreaterOrEqual", "a", 5, "a", true},
                    CompareCase{"LessOrEqual", "b", 6, "a", false},
                    CompareCase{"SameTextTrimmed", " abc ", 7, "ABC", true},
                    CompareCase{"TrimmedIsCaseSensitive", " abc ", 9, "ABC", false},
                    CompareCase{"TrimmedEqual", " abc ", 9, "abc", true},
                    CompareCase{"MaskStar", "report.txt", 8, "*.TXT", true},
                    CompareCase{"MaskStarNoMatch", "report.doc", 8, "*.TXT", false},
                    CompareCase{"MaskQuestion", "a1c", 8, "A?C", true},
                    CompareCase{"MaskQuestionNeedsOne", "ac", 8, "A?C", false},
                    CompareCase{"MaskRange", "file7", 8, "FILE[0-9]", true},
                    CompareCase{"MaskComplement", "file7", 8, "FILE[!0-9]", false},
                    CompareCase{"MaskBacktracks", "abcbc", 8, "*BC", true},
                    CompareCase{"UnknownCode", "a", 0, "a", false},
                    CompareCase{"CodeTen", "a", 10, "a", false}),
    CaseName<CompareCase>);

// One case a kind of line break, and the runs of them that a replacement
// pass could run together.
TEST(WithLfLineBreaksTest, GivesOneLfPerLineBreak) {
    EXPECT_EQ(WithLfLineBreaks("a\r\nb\rc\nd"), "a\nb\nc\nd");
    EXPECT_EQ(WithLfLineBreaks("a\r\r\nb"), "a\n\nb");  // a CR, then a CR LF
    EXPECT_EQ(WithLfLineBreaks("a\n\rb"), "a\n\nb");    // an LF, then a CR
    EXPECT_EQ(WithLfLineBreaks("\r"), "\n");
    EXPECT_EQ(WithLfLineBreaks("caf\xC3\xA9"), "caf\xC3\xA9");
}

struct LastCharacterCase {
    const char* name;
    std::string text;
    size_t length;
    friend std::ostream& operator<<(std::ostream& os, const LastCharacterCase& c) {
        return os << c.name;
    }
};

class Utf8LastCharacterTest : public testing::TestWithParam<LastCharacterCase> {};

TEST_P(Utf8LastCharacterTest, TakesTheLeadByteWithItsContinuations) {
    EXPECT_EQ(Utf8LastCharacterLength(GetParam().text), GetParam().length);
}

INSTANTIATE_TEST_SUITE_P(Characters, Utf8LastCharacterTest,
                         testing::Values(LastCharacterCase{"Empty", "", 0},
                                         LastCharacterCase{"Ascii", "12", 1},
                                         LastCharacterCase{"TwoBytes", "1\xC3\xA9", 2},
                                         LastCharacterCase{"FourBytes", "x\xF0\x9F\x98\x80", 4},
                                         LastCharacterCase{"OnlyContinuations", "\x80\x80", 2},
                                         LastCharacterCase{"LeadByteCutShort", "a\xE2\x82", 2}),
                         CaseName<LastCharacterCase>);

}  // namespace
