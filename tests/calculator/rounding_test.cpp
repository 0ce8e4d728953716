// RoundedAt against the text route it stands for.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "basic/numbertext.h"
#include "calculator/rounding.h"

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

}  // namespace
