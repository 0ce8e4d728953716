#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "basic/numbertext.h"
#include "basic/platformerror.h"
#include "tests/support/tablecases.h"

namespace {

struct FloatCase {
    const char* name;
    std::string text;
    double expected;
    friend std::ostream& operator<<(std::ostream& os, const FloatCase& c) { return os << c.name; }
};

class TextToFloatTest : public testing::TestWithParam<FloatCase> {};

TEST_P(TextToFloatTest, ReadsTheCollectedNumber) {
    const FloatCase& c = GetParam();
    EXPECT_EQ(TextToFloat(c.text), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Walk, TextToFloatTest,
    testing::Values(
        FloatCase{"TypedForm", "1234,56", 1234.56}, FloatCase{"StoredForm", "-0.125", -0.125},
        FloatCase{"SecondSeparatorStops", "1.234,56", 1.234},
        FloatCase{"BlanksAreSkipped", "12 345,5", 12345.5},
        FloatCase{"BlanksAroundDigits", " 1 0 ", 10},
        FloatCase{"AmountWithCurrency", "-  7,25 EUR", -7.25},
        FloatCase{"InnerMinusStops", "12-3", 12}, FloatCase{"Letters", "abc", 0},
        FloatCase{"Empty", "", 0}, FloatCase{"LoneMinus", "-", 0},
        FloatCase{"LeadingPlus", "+5", 5}, FloatCase{"PlusThenMinus", "+-3", -3},
        FloatCase{"PlusAfterBlank", " +5", 0}, FloatCase{"PlusTwice", "++5", 0},
        FloatCase{"MinusTwice", "--5", 0}, FloatCase{"TrailingPlus", "3+", 3},
        FloatCase{"SeparatorThenPoint", "0,5.5", 0.5}, FloatCase{"LeadingSeparator", ",5", 0.5},
        FloatCase{"TrailingSeparator", "5,", 5}, FloatCase{"MinusSeparatorDigits", "-,25", -0.25},
        FloatCase{"TabIsNoBlank", "\t5", 0}, FloatCase{"ExponentIsNotRead", "1e5", 1},
        FloatCase{"NonAsciiStops", "12\xE2\x82\xAC", 12},
        FloatCase{"NoBreakSpaceStops",
                  "1\xC2\xA0"
                  "234",
                  1},
        FloatCase{"CorrectlyRounded", "0,1", 0.1}, FloatCase{"NonFiniteWordsReadAsZero", "INF", 0}),
    CaseName<FloatCase>);

TEST(TextToFloatTest, LoneSeparatorIsNoNumber) {
    const struct {
        std::string text;
        std::string message;
    } cases[] = {{",", "'.' is not a valid floating point value"},
                 {".", "'.' is not a valid floating point value"},
                 {" , x", "'.' is not a valid floating point value"},
                 {"-,", "'-.' is not a valid floating point value"},
                 {"+ - .", "'-.' is not a valid floating point value"}};
    for (const auto& c : cases) {
        try {
            TextToFloat(c.text);
            ADD_FAILURE() << "no error for '" << c.text << "'";
        } catch (const PlatformError& error) {
            EXPECT_EQ(error.what(), c.message) << c.text;
        }
    }
}

// Beyond the ordinary walk: very long numbers are read whole, numbers beyond
// the range of a double saturate, and nothing reads past the text.
TEST(TextToFloatTest, SurvivesHostileTexts) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(TextToFloat(std::string(1000, '9')), inf);
    EXPECT_EQ(TextToFloat(std::string(1, '-') + std::string(1000, '9')), -inf);
    EXPECT_EQ(TextToFloat("0," + std::string(1000, '0') + "1"), 0.0);
    EXPECT_DOUBLE_EQ(TextToFloat(std::string(300, '1')), 1.1111111111111111e299);
    // 260 kept characters: the digits past the 250th still count.
    EXPECT_DOUBLE_EQ(TextToFloat(std::string(255, '0') + "12,5"), 12.5);
    EXPECT_EQ(TextToFloat(std::string(1 << 20, ' ') + "7"), 7.0);
    EXPECT_EQ(TextToFloat(std::string("4\0"
                                      "5",
                                      3)),
              4.0);
}

struct IntCase {
    const char* name;
    std::string text;
    int32_t expected;
    friend std::ostream& operator<<(std::ostream& os, const IntCase& c) { return os << c.name; }
};

class TextToIntTest : public testing::TestWithParam<IntCase> {};

TEST_P(TextToIntTest, ReadsTheIntegerPart) {
    const IntCase& c = GetParam();
    EXPECT_EQ(TextToInt(c.text), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Walk, TextToIntTest,
    testing::Values(
        IntCase{"CommaStops", "12,9", 12}, IntCase{"PointStops", "7.9", 7},
        IntCase{"BlanksAroundMinus", " - 4 ", -4}, IntCase{"LoneMinus", "-", 0},
        IntCase{"Empty", "", 0}, IntCase{"LeadingPlus", "+8", 8}, IntCase{"Letters", "abc", 0},
        IntCase{"SlashStops", "05/01/2024", 5}, IntCase{"DateText", "20240105", 20240105},
        IntCase{"LeadingZeros", std::string(40, '0') + "42", 42},
        IntCase{"Largest", "2147483647", std::numeric_limits<int32_t>::max()},
        IntCase{"Smallest", "-2147483648", std::numeric_limits<int32_t>::min()},
        IntCase{"TooLargeSaturates", "2147483648", std::numeric_limits<int32_t>::max()},
        IntCase{"TooSmallSaturates", "-99999999999", std::numeric_limits<int32_t>::min()},
        IntCase{"HugeSaturates", std::string(500, '9'), std::numeric_limits<int32_t>::max()}),
    CaseName<IntCase>);

}  // namespace
