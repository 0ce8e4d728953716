#include <gtest/gtest.h>

#include <vector>

#include "basic/stringlists.h"
#include "tests/support/tablecases.h"

namespace {

using Fields = std::vector<std::string>;

// The fields found, from index 1 on.
Fields Split(const std::string& text, const std::string& separator, uint8_t options) {
    std::vector<std::string> out;
    const int count = SplitFields(text, separator, out, options);
    return Fields(out.begin() + 1, out.begin() + 1 + count);
}

struct SplitCase {
    const char* name;
    std::string text;
    std::string separator;
    uint8_t options;
    Fields expected;
    friend std::ostream& operator<<(std::ostream& os, const SplitCase& c) { return os << c.name; }
};

class SplitFieldsTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitFieldsTest, FindsFields) {
    const SplitCase& c = GetParam();
    EXPECT_EQ(Split(c.text, c.separator, c.options), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Tab, SplitFieldsTest,
    testing::Values(
        SplitCase{"TwoFields", "a\tb", "\t", 0, {"a", "b"}},
        SplitCase{"QuotedTabDoesNotSplit", " a \t \"x\ty\"", "\t", 0, {"a", "x\ty"}},
        SplitCase{"QuotedFirstField", "\"a\tb\"\tc", "\t", 0, {"a\tb", "c"}},
        SplitCase{"FinalSeparatorOpensEmptyField", "a\t", "\t", 0, {"a", ""}},
        SplitCase{"NoEmptyLastFieldBit", "a\t", "\t", sfNoEmptyLastField, {"a"}},
        SplitCase{"EmptyFieldsBetween", "a\t\t\tb", "\t", 0, {"a", "", "", "b"}},
        SplitCase{"AllBlankGivesNone", "    ", "\t", 0, {}},
        SplitCase{"AllBlankGivesNoneUntrimmed", "  ", "\t", sfNoTrim, {}},
        SplitCase{"EmptyGivesNone", "", "\t", 0, {}},
        SplitCase{"NoSeparatorOneField", " abc ", "\t", 0, {"abc"}},
        SplitCase{"NoTrimKeepsBlanks", " a \t b ", "\t", sfNoTrim, {" a ", " b "}},
        SplitCase{"UnclosedQuoteKeepsRest", "\"a\tb", "\t", 0, {"\"a\tb"}},
        SplitCase{"UnclosedQuoteWithFinalTab", "\"a\t", "\t", sfNoEmptyLastField, {"\"a\t"}},
        SplitCase{"LoneQuoteFieldEmpties", "\"", "\t", 0, {""}},
        SplitCase{"IgnoreQuotesKeepsQuotes", "\"\tb", "\t", sfIgnoreQuotes, {"\"", "b"}},
        SplitCase{"IgnoreQuotesSplitsInside", "\"a\tb\"", "\t", sfIgnoreQuotes, {"\"a", "b\""}},
        SplitCase{"KeepQuotes", "\"a\tb\"\tc", "\t", sfKeepQuotes, {"\"a\tb\"", "c"}},
        SplitCase{"ParensProtect", "f(a\tb)\tc", "\t", sfBalancedParens, {"f(a\tb)", "c"}},
        SplitCase{"ParensIgnoredWithoutBit", "f(a\tb)", "\t", 0, {"f(a", "b)"}}),
    CaseName<SplitCase>);

INSTANTIATE_TEST_SUITE_P(
    Other, SplitFieldsTest,
    testing::Values(SplitCase{"BlankRunIsOneSeparator", "a   b  c", " ", 0, {"a", "b", "c"}},
                    SplitCase{"BlankRunSplitsUntrimmed", "a  b", " ", sfNoTrim, {"a", "", "b"}},
                    SplitCase{"LongSeparator", "a::b::::c", "::", 0, {"a", "b", "", "c"}},
                    SplitCase{"LongSeparatorAtEnd", "a::", "::", 0, {"a", ""}},
                    SplitCase{"LongSeparatorAtEndNoEmpty", "a::", "::", sfNoEmptyLastField, {"a"}},
                    SplitCase{"OverlappingSeparator", "aaa", "aa", 0, {"", "a"}},
                    SplitCase{"LongSeparatorInQuotes", "\"x::y\"::z", "::", 0, {"x::y", "z"}},
                    SplitCase{"EmptySeparatorNeverSplits", "a b", "", 0, {"a b"}}),
    CaseName<SplitCase>);

TEST(SplitFieldsLimitTest, StopsAtTheLastSlot) {
    std::string text = "0";
    for (int i = 1; i < 2000; ++i) {
        text += '\t';
        text += std::to_string(i);
    }
    std::vector<std::string> fields;
    ASSERT_EQ(SplitFields(text, "\t", fields, 0), kMaxSplitFields);
    EXPECT_EQ(fields.size(), static_cast<size_t>(kMaxSplitFields + 1));
    EXPECT_EQ(fields[1], "0");
    EXPECT_EQ(fields[kMaxSplitFields], std::to_string(kMaxSplitFields - 1));

    // Exactly 499 fields still all arrive, the last one included.
    text = text.substr(0, text.find("\t499"));
    ASSERT_EQ(SplitFields(text, "\t", fields, 0), kMaxSplitFields);
    EXPECT_EQ(fields[kMaxSplitFields], "498");
}

TEST(SplitFieldsLimitTest, ReusedOutputIsEmptiedFirst) {
    std::vector<std::string> fields(3, "stale");
    EXPECT_EQ(SplitFields("a", "\t", fields, 0), 1);
    EXPECT_EQ(fields[0], "");
    EXPECT_EQ(fields[2], "");
}

}  // namespace
