#include "tape/fixedentry.h"

#include <algorithm>

namespace {

// The digits of a shaped entry without its leading zeros, and its sign.
struct TDigits {
    std::string digits;
    bool negative = false;
};

TDigits DigitsOf(const std::string& entry) {
    TDigits read;
    for (const char c : entry) {
        if (c == '-') read.negative = true;
        if (c >= '1' && c <= '9') read.digits += c;
        if (c == '0' && !read.digits.empty()) read.digits += c;
    }
    return read;
}

// No digits is zero: 0,00.
std::string ShapedText(const TDigits& number, int32_t decimals) {
    const auto places = static_cast<size_t>(std::max(decimals, 0));
    std::string digits = number.digits;
    if (digits.size() < places + 1) digits.insert(0, places + 1 - digits.size(), '0');
    const size_t whole = digits.size() - places;
    std::string text = number.negative ? "-" : "";
    text += digits.substr(0, whole);
    if (places > 0) text += ',' + digits.substr(whole);
    return text;
}

}  // namespace

std::string ShapedEntryAfterKey(const std::string& entry, TTapeKey key, int32_t decimals,
                                bool& shaped) {
    TDigits number = DigitsOf(entry);
    switch (key) {
        case TTapeKey::Comma:
            // The digits as typed, now a whole number with a comma after it.
            shaped = false;
            if (entry.empty()) return ",";
            return (number.negative ? "-" : "") + (number.digits.empty() ? "0" : number.digits) +
                   ',';
        case TTapeKey::Sign:
            if (number.digits.empty()) return entry;
            number.negative = !number.negative;
            return ShapedText(number, decimals);
        default:
            if (key > TTapeKey::Digit9) return entry;
            if (!number.digits.empty() || key != TTapeKey::Digit0)
                number.digits += static_cast<char>('0' + static_cast<int>(key));
            return ShapedText(number, decimals);
    }
}

std::string ShapedEntryWithoutLastDigit(const std::string& entry, int32_t decimals) {
    TDigits number = DigitsOf(entry);
    if (number.digits.size() <= 1) return {};
    number.digits.pop_back();
    return ShapedText(number, decimals);
}
