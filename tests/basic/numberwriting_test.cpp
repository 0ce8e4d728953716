#include <gtest/gtest.h>

#include <QLocale>
#include <cstdio>
#include <limits>
#include <string>

#include "basic/numbertext.h"
#include "basic/platformerror.h"
#include "tests/support/floatvalues.h"
#include "tests/support/tablecases.h"

namespace {

constexpr int32_t kMinInt = std::numeric_limits<int32_t>::min();
constexpr int32_t kMaxInt = std::numeric_limits<int32_t>::max();

// Sets the default locale for one test and puts the Catalan one back.
class LocaleScope {
public:
    explicit LocaleScope(const QLocale& locale) { QLocale::setDefault(locale); }
    ~LocaleScope() { QLocale::setDefault(QLocale(QLocale::Catalan, QLocale::Spain)); }
    LocaleScope(const LocaleScope&) = delete;
    LocaleScope& operator=(const LocaleScope&) = delete;
};

// ---- Stored form -----------------------------------------------------------

struct StoredCase {
    const char* name;
    long double value;
    int32_t decimals;  // FloatToFixedText's count; kPlain for FloatToPlainText
    std::string expected;
    friend std::ostream& operator<<(std::ostream& os, const StoredCase& c) { return os << c.name; }
};
constexpr int32_t kPlain = 1000;

std::string Stored(const StoredCase& c) {
    return c.decimals == kPlain ? FloatToPlainText(c.value) : FloatToFixedText(c.value, c.decimals);
}

class StoredFormTest : public testing::TestWithParam<StoredCase> {};

TEST_P(StoredFormTest, WritesPointAndRoundedDecimals) {
    const StoredCase& c = GetParam();
    EXPECT_EQ(Stored(c), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Plain, StoredFormTest,
    testing::Values(StoredCase{"Half", 12.5, kPlain, "12.5"}, StoredCase{"Whole", 3, kPlain, "3"},
                    StoredCase{"NegativeFraction", -0.125, kPlain, "-0.125"},
                    StoredCase{"OneThird", 1.0 / 3, kPlain, "0.33333"},
                    StoredCase{"TwoThirdsRoundsUp", 2.0 / 3, kPlain, "0.66667"},
                    StoredCase{"SixthDecimalDropped", 2.000004, kPlain, "2"},
                    StoredCase{"Zero", 0, kPlain, "0"},
                    StoredCase{"TinyIsZero", 0.000004, kPlain, "0"},
                    StoredCase{"TinyNegativeHasNoMinus", -0.000004, kPlain, "0"},
                    StoredCase{"NegativeZero", -0.0, kPlain, "0"},
                    StoredCase{"NegativeWhole", -12, kPlain, "-12"},
                    StoredCase{"FiveAtSixthRoundsUp", 0.000005, kPlain, "0.00001"},
                    StoredCase{"SumOfTenths", 0.1 + 0.2, kPlain, "0.3"},
                    // 1.000135 is held as 1.00013499999999999623: its 18 digits
                    // read 1.00013500000000000, which rounds up.
                    StoredCase{"EighteenDigitsDecide", 1.000135, kPlain, "1.00014"},
                    StoredCase{"LargeWithFraction", 1e15 + 0.5, kPlain, "1000000000000000.5"},
                    StoredCase{"EighteenIntegerDigits", 1e17, kPlain, "100000000000000000"},
                    StoredCase{"BeyondEighteenDigits", 1e20, kPlain, "100000000000000000000"},
                    StoredCase{"Infinity", kInf, kPlain, "INF"},
                    StoredCase{"NegativeInfinity", -kInf, kPlain, "-INF"},
                    StoredCase{"NotANumber", kNaN, kPlain, "NAN"}),
    CaseName<StoredCase>);

INSTANTIATE_TEST_SUITE_P(
    Fixed, StoredFormTest,
    testing::Values(
        StoredCase{"TwoDecimals", 2.5, 2, "2.50"}, StoredCase{"NegativeCountTrims", 2.5, -2, "2.5"},
        StoredCase{"TrimsThePoint", 7, -3, "7"},
        StoredCase{"TrimKeepsIntegerZeros", 100, -2, "100"},
        StoredCase{"NoDecimalsRoundsUp", 2.5, 0, "3"}, StoredCase{"HalfRoundsUp", 1.5, 0, "2"},
        StoredCase{"NegativeHalfAwayFromZero", -2.5, 0, "-3"},
        StoredCase{"HalfBelowOne", 0.5, 0, "1"}, StoredCase{"DoubleBelowHalf", 1.005, 2, "1.00"},
        StoredCase{"ExactFive", 0.125, 2, "0.13"}, StoredCase{"HeldBelowFive", 2.675, 2, "2.67"},
        StoredCase{"HeldAboveFive", 0.05, 1, "0.1"},
        // 1000.005 is held as 1000.00499999999999545, whose 18
        // digits read 1000.00500000000000.
        StoredCase{"EighteenDigitsDecide", 1000.005, 2, "1000.01"},
        // The long double 2.675L lies above 2.675, unlike the double.
        StoredCase{"ExtendedValue", 2.675L, 2, "2.68"},
        StoredCase{"CarryIntoNewDigit", 9.9999, 2, "10.00"},
        StoredCase{"CarryToHundred", 99.5, 0, "100"},
        StoredCase{"RoundsToNegativeZero", -0.001, 2, "0.00"},
        StoredCase{"FarBelowLastDecimal", 1e-20, 2, "0.00"},
        // The count is capped, and every digit of the expansion shows.
        StoredCase{"SmallestCount", 123.456, kMinInt, "123.456000000000003"},
        StoredCase{"Infinity", kInf, 2, "INF"}),
    CaseName<StoredCase>);

TEST(StoredFormTest, HugeDecimalCountIsCapped) {
    EXPECT_EQ(FloatToFixedText(1.5, kMaxInt), "1.5" + std::string(98, '0'));
}

TEST(StoredFormTest, WritesExtremeValuesInFull) {
    const std::string largestDouble = FloatToPlainText(std::numeric_limits<double>::max());
    EXPECT_EQ(largestDouble, "179769313486231571" + std::string(291, '0'));
    const std::string largest = FloatToPlainText(std::numeric_limits<long double>::max());
    EXPECT_EQ(largest.size(), 4933u);
    EXPECT_EQ(largest.substr(0, 19), "1189731495357231770");
    EXPECT_EQ(FloatToPlainText(-std::numeric_limits<long double>::denorm_min()), "0");
    EXPECT_EQ(FloatToFixedText(std::numeric_limits<double>::denorm_min(), 99),
              "0." + std::string(99, '0'));
}

// Every number of cents, computed as a double, comes back as its own text:
// neither truncation nor double rounding may move it.
TEST(StoredFormTest, DecimalValuesComeBackExactly) {
    char expected[32];
    for (int cents = -200000; cents <= 200000; cents += 7) {
        std::snprintf(expected, sizeof expected, "%s%d.%02d", cents < 0 ? "-" : "",
                      std::abs(cents) / 100, std::abs(cents) % 100);
        ASSERT_EQ(FloatToFixedText(cents / 100.0, 2), expected) << cents;
        ASSERT_EQ(TextToFloat(FloatToPlainText(cents / 100.0)), cents / 100.0) << cents;
    }
}

// ---- Display form ----------------------------------------------------------

struct DisplayCase {
    const char* name;
    long double value;
    int32_t code;
    std::string expected;
    friend std::ostream& operator<<(std::ostream& os, const DisplayCase& c) { return os << c.name; }
};

class FormatNumberTest : public testing::TestWithParam<DisplayCase> {};

TEST_P(FormatNumberTest, FollowsTheFormatCodeInCatalan) {
    const DisplayCase& c = GetParam();
    EXPECT_EQ(FormatNumber(c.value, c.code), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, FormatNumberTest,
    testing::Values(DisplayCase{"TwoDecimals", 1234.5, 2, "1.234,50"},
                    DisplayCase{"TrimmedDecimals", 1234.5, -2, "1.234,5"},
                    DisplayCase{"CodeZeroTrims", 1234, 0, "1.234"},
                    DisplayCase{"CodeZeroKeepsTwoDecimals", 2.0 / 3, 0, "0,67"},
                    DisplayCase{"ZeroIsEmpty", 0, 2, ""}, DisplayCase{"ZeroShown", 0, 1002, "0,00"},
                    DisplayCase{"ZeroShownTrimmed", 0, -1002, "0"},
                    DisplayCase{"ShowsAsZeroIsEmpty", 0.004, 2, ""},
                    DisplayCase{"NegativeShowsAsZero", -0.004, 1002, "0,00"},
                    DisplayCase{"WholeNumberFirst", -1500.75, 100, "-1.501"},
                    DisplayCase{"WholeHalfToEvenDown", 2.5, 100, "2"},
                    DisplayCase{"WholeHalfToEvenUp", 3.5, 100, "4"},
                    DisplayCase{"WholeHalfToZeroIsEmpty", 0.5, 100, ""},
                    DisplayCase{"WholeZeroShown", 0.4, 1100, "0"},
                    DisplayCase{"Millions", 1000000, 0, "1.000.000"},
                    DisplayCase{"NegativeMillions", -1234567.891, 2, "-1.234.567,89"},
                    DisplayCase{"CarryIntoNewGroup", 999.995, 2, "1.000,00"},
                    DisplayCase{"ThreeDecimals", 123, 3, "123,000"},
                    DisplayCase{"NineteenDigits", 1e20, 0, "100.000.000.000.000.000.000"},
                    DisplayCase{"SmallestCode", 2.5, kMinInt, "2"},
                    DisplayCase{"Infinity", kInf, 2, "INF"},
                    DisplayCase{"NotANumber", kNaN, 1002, "NAN"}),
    CaseName<DisplayCase>);

TEST(FormatNumberTest, FollowsTheDefaultLocale) {
    {
        LocaleScope english(QLocale(QLocale::English, QLocale::UnitedStates));
        EXPECT_EQ(FormatNumber(1234.5, 2), "1,234.50");
        EXPECT_EQ(FormatNumber(1000000, 0), "1,000,000");
        EXPECT_EQ(FormatNumber(-0.5, -2), "-0.5");
    }
    // Back in Catalan, the separators change back as well.
    EXPECT_EQ(FormatNumber(1234.5, 2), "1.234,50");
}

TEST(FormatNumberTest, KeepsMultiByteSeparatorsWhole) {
    {
        const QLocale french(QLocale::French, QLocale::France);
        LocaleScope scope(french);
        const std::string group = french.groupSeparator().toStdString();
        ASSERT_GT(group.size(), 1u);
        EXPECT_EQ(FormatNumber(1234567.5, 2), "1" + group + "234" + group + "567,50");
    }
    {
        const QLocale arabic(QLocale::Arabic, QLocale::Egypt);
        LocaleScope scope(arabic);
        const std::string group = arabic.groupSeparator().toStdString();
        const std::string decimal = arabic.decimalPoint().toStdString();
        ASSERT_GT(decimal.size(), 1u);
        EXPECT_EQ(FormatNumber(1234.5, -2), "1" + group + "234" + decimal + "5");
        // A value that does not show as zero is never hidden, whatever the
        // separator looks like.
        EXPECT_EQ(FormatNumber(0.5, 2), "0" + decimal + "50");
    }
}

// ---- Integers and text to text ------------------------------------------------

TEST(IntegerTextTest, WritesPlainPaddedAndZeroPadded) {
    EXPECT_EQ(IntToText(0), "0");
    EXPECT_EQ(IntToText(-5), "-5");
    EXPECT_EQ(IntToText(kMaxInt), "2147483647");
    EXPECT_EQ(IntToText(kMinInt), "-2147483648");
    EXPECT_EQ(IntToPaddedText(5, 3), "  5");
    EXPECT_EQ(IntToPaddedText(12345, 3), "345");
    EXPECT_EQ(IntToPaddedText(-7, 0), "");
    EXPECT_EQ(IntToZeroPadded(7, 2), "07");
    EXPECT_EQ(IntToZeroPadded(-45, 4), "0045");
    EXPECT_EQ(IntToZeroPadded(2024, 2), "24");
}

TEST(TextToTextTest, ReadsThenWrites) {
    EXPECT_EQ(TextToFixedText("1234,5", 2), "1234.50");
    EXPECT_EQ(TextToFixedText("abc", -2), "0");
    EXPECT_EQ(TextToDisplayText("1234.5", 2), "1.234,50");
    EXPECT_EQ(TextToDisplayText("", 2), "");
    EXPECT_EQ(TextToDisplayText("- 3", 1000), "-3");
    EXPECT_THROW(TextToDisplayText(",", 2), PlatformError);
}

}  // namespace
