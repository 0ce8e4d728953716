#include "calculator/rounding.h"

#include <array>
#include <cmath>

#include "basic/numbertext.h"

namespace {

constexpr std::array<double, 7> kPowersOfTen = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6};

// Scaled values stay below this, so that the rounded whole number is exact in
// a double and the 18-digit expansion lies within 0.005 of the scaled value.
constexpr long double kLargestScaled = 1e15L;

// How close to a half the scaled value may come before the text route decides:
// far more than the 18-digit expansion and the long double product can move it.
constexpr long double kHalfMargin = 0.01L;

double RoundedThroughText(double value, int32_t decimals) {
    return TextToFloat(FloatToFixedText(value, decimals));
}

}  // namespace

// Away from a half, the expansion rounds the way the scaled value does; the
// whole number over the power of ten is then the double nearest to the decimal
// text, as reading the text gives.
double RoundedAt(double value, int32_t decimals) {
    if (decimals < 0 || decimals >= static_cast<int32_t>(kPowersOfTen.size()) ||
        !std::isfinite(value)) {
        return RoundedThroughText(value, decimals);
    }
    const double power = kPowersOfTen[static_cast<size_t>(decimals)];
    const long double scaled = std::fabs(static_cast<long double>(value)) * power;
    if (scaled >= kLargestScaled) return RoundedThroughText(value, decimals);
    const long double whole = std::floor(scaled);
    const long double fraction = scaled - whole;
    if (std::fabs(fraction - 0.5L) <= kHalfMargin) return RoundedThroughText(value, decimals);
    const long double units = fraction > 0.5L ? whole + 1 : whole;
    if (units == 0) return 0.0;
    const double magnitude = static_cast<double>(units) / power;
    return value < 0 ? -magnitude : magnitude;
}
