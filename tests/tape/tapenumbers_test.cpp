// The tape's short cuts for reading, rounding and writing numbers, against the
// number text routines they stand for.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "basic/numbertext.h"
#include "tape/tapenumbers.h"

#include "basic/platformerror.h"

namespace {

double ThroughText(double value, int32_t decimals) {
    return TextToFloat(FloatToFixedText(value, decimals));
}

void ExpectSameAsText(double value, int32_t decimals) {
    const double fast = RoundedAt(value, decimals);
    const double text = ThroughText(value, decimals);
    EXPECT_EQ(fast, text) << "value " << value << " at " << decimals << " decimals";
    EXPECT_EQ(std::signbit(fast), std::signbit(text)) << value;
}

TEST(RoundedAtTest, RoundsHalvesAwayFromZeroOnTheDecimalExpansion) {
    EXPECT_EQ(RoundedAt(0.125, 2), 0.13);
    EXPECT_EQ(RoundedAt(-0.125, 2), -0.13);
    EXPECT_EQ(RoundedAt(2.675, 2), 2.67);  // held as 2.67499999999999982
    EXPECT_EQ(RoundedAt(3.5, 0), 4);
    EXPECT_EQ(RoundedAt(1.0 / 3, 2), 0.33);
    EXPECT_EQ(RoundedAt(-0.001, 2), 0);
    EXPECT_FALSE(std::signbit(RoundedAt(-0.001, 2)));
}

TEST(RoundedAtTest, AgreesWithTextOnAwkwardValues) {
    const double values[] = {0.0,    -0.0,        0.5,     1.005,      1.015,   2.5,
                             1e-300, 1e14,        9.995e8, 123456.785, 1e15,    1e20,
                             -7.25,  99999.99999, 0.29,    4.35,       1.1 * 3, 0.1 + 0.2};
    for (const double value : values) {
        for (int32_t decimals = 0; decimals <= 6; ++decimals) {
            ExpectSameAsText(value, decimals);
            ExpectSameAsText(-value, decimals);
        }
    }
    ExpectSameAsText(std::numeric_limits<double>::infinity(), 2);
    ExpectSameAsText(std::numeric_limits<double>::quiet_NaN(), 2);
    ExpectSameAsText(12.345, 9);
    ExpectSameAsText(12.345, -2);
}

// Amounts as a tape makes them: cents and mills, sums, products and quotients
// of them, near halves and far from them, up to large magnitudes.
TEST(RoundedAtTest, AgreesWithTextOnRandomAmounts) {
    std::mt19937_64 random(20240601);
    std::uniform_int_distribution<int64_t> cents(-100'000'000, 100'000'000);
    std::uniform_int_distribution<int> exponent(-8, 16);
    std::uniform_real_distribution<double> unit(-1, 1);
    for (int i = 0; i < 40'000; ++i) {
        const double amount = static_cast<double>(cents(random)) / 1000;
        const double values[] = {amount, amount / 3, amount * 1.16, amount / 1.055,
                                 unit(random) * std::pow(10.0, exponent(random))};
        for (const double value : values)
            ExpectSameAsText(value, i % 7);
    }
}

void ExpectSamePlainText(double value) {
    EXPECT_EQ(PlainTextOf(value), FloatToPlainText(value)) << value;
}

TEST(PlainTextOfTest, WritesTheStoredForm) {
    EXPECT_EQ(PlainTextOf(12.5), "12.5");
    EXPECT_EQ(PlainTextOf(3), "3");
    EXPECT_EQ(PlainTextOf(-0.125), "-0.125");
    EXPECT_EQ(PlainTextOf(1.0 / 3), "0.33333");
    EXPECT_EQ(PlainTextOf(2.000004), "2");
    EXPECT_EQ(PlainTextOf(-0.000004), "0");
    EXPECT_EQ(PlainTextOf(0), "0");
    EXPECT_EQ(PlainTextOf(1234567.5), "1234567.5");
}

TEST(PlainTextOfTest, AgreesWithFloatToPlainText) {
    const double values[] = {0.000005, 0.0000051, 1.000005, 99999.999995, 1e8 + 0.5,
                             1e13,     1e20,      -1e-300,  123.456785,   0.1 + 0.2};
    for (const double value : values) {
        ExpectSamePlainText(value);
        ExpectSamePlainText(-value);
    }
    ExpectSamePlainText(std::numeric_limits<double>::infinity());
    ExpectSamePlainText(std::numeric_limits<double>::quiet_NaN());
    std::mt19937_64 random(42);
    std::uniform_int_distribution<int64_t> mills(-1'000'000'000, 1'000'000'000);
    std::uniform_int_distribution<int> exponent(-7, 14);
    std::uniform_real_distribution<double> unit(-1, 1);
    for (int i = 0; i < 40'000; ++i) {
        const double amount = static_cast<double>(mills(random)) / 1000;
        ExpectSamePlainText(amount);
        ExpectSamePlainText(amount / 7);
        ExpectSamePlainText(amount * 1.16);
        ExpectSamePlainText(unit(random) * std::pow(10.0, exponent(random)));
    }
}

// Whatever the text, the short cut reads what TextToFloat reads, except that
// a text without a number reads as 0 instead of failing.
TEST(TapeNumberTest, ReadsAsTextToFloat) {
    const char* const texts[] = {"",
                                 "12",
                                 "1234,56",
                                 "-12.5",
                                 "-",
                                 "0,5.5",
                                 "+5",
                                 " +5",
                                 "1 0",
                                 "12-3",
                                 "abc",
                                 "1.234,56",
                                 "-,5",
                                 "5,",
                                 "007",
                                 "1e5",
                                 "INF",
                                 "\t7",
                                 "12\t+",
                                 "99999999999999999999999999999999999999",
                                 "1E400",
                                 "-0",
                                 "0,000000000000000000000000000000001"};
    for (const char* text : texts)
        EXPECT_EQ(TapeNumber(text), TextToFloat(text)) << text;
    std::mt19937 random(7);
    const std::string alphabet = "0123456789,.- +a";
    for (int i = 0; i < 20'000; ++i) {
        std::string text;
        const int length = std::uniform_int_distribution<int>(0, 12)(random);
        for (int k = 0; k < length; ++k) {
            text += alphabet[std::uniform_int_distribution<size_t>(0, alphabet.size() - 1)(random)];
        }
        double expected = 0;
        try {
            expected = TextToFloat(text);
        } catch (const PlatformError&) {
            expected = 0;
        }
        EXPECT_EQ(TapeNumber(text), expected) << text;
    }
}

TEST(TapeNumberTest, CellWithoutNumberReadsZero) {
    EXPECT_EQ(TapeNumber(","), 0);
    EXPECT_EQ(TapeNumber("-."), 0);
    EXPECT_EQ(TapeNumber(". EUR"), 0);
}

}  // namespace
