#include "tape/tapenumbers.h"

#include <array>
#include <charconv>
#include <cmath>

#include "basic/numbertext.h"
#include "basic/platformerror.h"

namespace {

// The longest plain number read without the lenient reader.
constexpr size_t kLongestPlainNumber = 32;

constexpr std::array<double, 7> kPowersOfTen = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6};
constexpr int kPlainDecimals = 5;

// Scaled values stay below this, so that the product is within 0.001 of the
// exact one and the 18-digit expansion within 0.0001 of the value.
constexpr double kLargestScaled = 1e13;

// How close to a half the scaled value may come before the text routines
// decide: far more than the expansion and the product can move it.
constexpr double kHalfMargin = 0.01;

double LenientNumber(const std::string& text) {
    try {
        return TextToFloat(text);
    } catch (const PlatformError&) {
        return 0.0;
    }
}

// The value times 10^decimals rounded to a whole number the way its 18-digit
// expansion rounds, when that is certain: away from a half, the expansion
// rounds the way the scaled value does. False when the text routines must
// decide (a near half, a large or non-finite value, decimals outside 0..6).
bool ScaledUnits(double value, int32_t decimals, int64_t& units) {
    if (decimals < 0 || decimals >= static_cast<int32_t>(kPowersOfTen.size())) return false;
    const double scaled = std::fabs(value) * kPowersOfTen[static_cast<size_t>(decimals)];
    if (!(scaled < kLargestScaled)) return false;  // also NaN and the infinities
    units = static_cast<int64_t>(scaled);
    const double fraction = scaled - static_cast<double>(units);
    if (std::fabs(fraction - 0.5) <= kHalfMargin) return false;
    if (fraction > 0.5) ++units;
    return true;
}

}  // namespace

// The tape holds numbers in two plain forms, typed (1234,56) and stored
// (-12.5): an optional leading minus, digits and at most one separator. Those
// are read at once, as the lenient reader would read them; anything else goes
// through it.
double TapeNumber(const std::string& text) {
    if (text.empty() || text.size() > kLongestPlainNumber) return LenientNumber(text);
    char buffer[kLongestPlainNumber];
    bool separator = false;
    bool digit = false;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c >= '0' && c <= '9') {
            digit = true;
        } else if ((c == ',' || c == '.') && !separator) {
            separator = true;
            c = '.';
        } else if (c != '-' || i != 0) {
            return LenientNumber(text);
        }
        buffer[i] = c;
    }
    double value = 0.0;
    const std::from_chars_result read = std::from_chars(buffer, buffer + text.size(), value);
    if (!digit || read.ec != std::errc() || read.ptr != buffer + text.size()) {
        return LenientNumber(text);
    }
    return value;
}

// The whole number over the power of ten is the double nearest to the decimal
// text, as reading the text gives.
double RoundedAt(double value, int32_t decimals) {
    int64_t units = 0;
    if (!ScaledUnits(value, decimals, units)) {
        return TextToFloat(FloatToFixedText(value, decimals));
    }
    if (units == 0) return 0.0;
    const double magnitude =
        static_cast<double>(units) / kPowersOfTen[static_cast<size_t>(decimals)];
    return value < 0 ? -magnitude : magnitude;
}

// The digits of the rounded hundred-thousandths, with a point before the last
// five and the trailing zeros of the decimals dropped.
std::string PlainTextOf(double value) {
    int64_t units = 0;
    if (!ScaledUnits(value, kPlainDecimals, units)) return FloatToPlainText(value);
    char digits[24];
    const auto count =
        static_cast<int>(std::to_chars(digits, digits + sizeof digits, units).ptr - digits);
    std::string text;
    if (value < 0 && units != 0) text += '-';
    if (count > kPlainDecimals) {
        text.append(digits, static_cast<size_t>(count - kPlainDecimals));
    } else {
        text += '0';
    }
    char fraction[kPlainDecimals];
    int kept = 0;
    for (int i = 0; i < kPlainDecimals; ++i) {
        const int at = count - kPlainDecimals + i;
        fraction[i] = at >= 0 ? digits[at] : '0';
        if (fraction[i] != '0') kept = i + 1;
    }
    if (kept > 0) {
        text += '.';
        text.append(fraction, static_cast<size_t>(kept));
    }
    return text;
}

std::string ExactText(double value) {
    if (!std::isfinite(value)) return "0";
    // Enough for the 309 integer digits of the largest double and a fraction.
    std::array<char, 400> buffer{};
    const std::to_chars_result written = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                                       value, std::chars_format::fixed);
    if (written.ec != std::errc()) return FloatToPlainText(value);
    std::string text(buffer.data(), written.ptr);
    return text == "-0" ? "0" : text;
}
