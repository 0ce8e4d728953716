#include "basic/fixeddigits.h"

#include <array>
#include <charconv>

namespace {

constexpr int kSignificant = FixedDigits::kSignificantDigits;

// A value as d.ddddddddddddddddd x 10^exponent, correctly rounded to 18 digits.
struct Scientific {
    std::array<char, kSignificant> digits{};
    int exponent = 0;
    bool negative = false;
};

// std::to_chars is exact and ignores the C locale. Most values are doubles
// widened to long double; the double conversion gives the same digits faster.
Scientific ToScientific(long double value) {
    std::array<char, 64> text{};
    char* const first = text.data();
    char* const last = first + text.size();
    const auto asDouble = static_cast<double>(value);
    const std::to_chars_result written =
        static_cast<long double>(asDouble) == value
            ? std::to_chars(first, last, asDouble, std::chars_format::scientific, kSignificant - 1)
            : std::to_chars(first, last, value, std::chars_format::scientific, kSignificant - 1);

    // The text reads [-]d.ddddddddddddddddde(+|-)xx.
    Scientific result;
    const char* p = first;
    if (*p == '-') {
        result.negative = true;
        ++p;
    }
    int count = 0;
    for (; p < written.ptr && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9' && count < kSignificant) result.digits[count++] = *p;
    }
    ++p;  // past the 'e'
    if (p < written.ptr && *p == '+') ++p;
    std::from_chars(p, written.ptr, result.exponent);
    return result;
}

// Adds one unit in the last place of a digit string.
void IncrementLastDigit(std::string& digits) {
    for (size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
}

}  // namespace

FixedDigits::FixedDigits(long double value, int decimals) {
    const Scientific scientific = ToScientific(value);
    const std::string_view significant(scientific.digits.data(), scientific.digits.size());

    // `kept` digits of the expansion lie at or above the last decimal; the
    // digit after them decides the rounding.
    const long kept = static_cast<long>(scientific.exponent) + 1 + decimals;
    std::string scaled;  // the rounded value times 10^decimals
    if (kept > kSignificant) {
        scaled.reserve(static_cast<size_t>(kept));
        scaled.append(significant);
        scaled.append(static_cast<size_t>(kept - kSignificant), '0');
    } else if (kept >= 0) {
        scaled.assign(significant.substr(0, static_cast<size_t>(kept)));
        if (kept < kSignificant && significant[static_cast<size_t>(kept)] >= '5') {
            IncrementLastDigit(scaled);
        }
    }

    // Split off the decimals, padding with zeros on the left where the value
    // has fewer digits than that.
    const auto fraction = static_cast<size_t>(decimals);
    if (scaled.size() <= fraction) scaled.insert(0, fraction + 1 - scaled.size(), '0');
    integerCount_ = scaled.size() - fraction;
    digits_ = std::move(scaled);
    negative_ = scientific.negative && !IsZero();
}

std::string_view FixedDigits::IntegerDigits() const {
    return std::string_view(digits_).substr(0, integerCount_);
}

std::string_view FixedDigits::FractionDigits() const {
    return std::string_view(digits_).substr(integerCount_);
}

std::string_view FixedDigits::SignificantFraction() const {
    std::string_view fraction = FractionDigits();
    const size_t last = fraction.find_last_not_of('0');
    return last == std::string_view::npos ? std::string_view() : fraction.substr(0, last + 1);
}
