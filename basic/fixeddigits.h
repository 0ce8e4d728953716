#pragma once

// The digits of a value in fixed-point notation, as every number text of the
// program writes them: the value's decimal expansion to 18 significant digits,
// rounded at the requested decimal with a 5 going away from zero. Since the
// expansion is taken first, 2.675 (held as 2.67499999999999982) rounds to 2.67
// at two decimals, while 0.125 rounds to 0.13.

#include <string>
#include <string_view>

class FixedDigits {
public:
    static constexpr int kSignificantDigits = 18;

    // `value` must be finite; `decimals` must not be negative.
    FixedDigits(long double value, int decimals);

    // True for a negative value that does not round to zero: a rounded zero
    // never carries a minus.
    bool Negative() const { return negative_; }
    bool IsZero() const { return digits_.find_first_not_of('0') == std::string::npos; }
    // At least one digit; no leading zeros other than a lone 0.
    std::string_view IntegerDigits() const;
    // Exactly as many digits as the decimals asked for.
    std::string_view FractionDigits() const;
    // The fraction digits without their trailing zeros (possibly none).
    std::string_view SignificantFraction() const;

private:
    std::string digits_;  // the integer digits, then the fraction digits
    size_t integerCount_ = 1;
    bool negative_ = false;
};
