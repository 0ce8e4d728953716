#include "basic/texttools.h"

#include <algorithm>

namespace {

constexpr char kBlank = ' ';

// File-name mask of CompareTexts code 8: '*' any run, '?' one character,
// "[...]" a set with ranges, "[!...]" its complement. An unclosed '[' is taken
// literally. Iterative, with one backtrack point for the last '*', so the cost
// stays proportional to text size times mask size.
bool MatchSet(const std::string& mask, size_t& m, unsigned char c) {
    // m points just after '['. On success m points after the closing ']'.
    size_t i = m;
    bool negate = false;
    if (i < mask.size() && mask[i] == '!') {
        negate = true;
        ++i;
    }
    bool found = false;
    bool first = true;
    while (i < mask.size() && (mask[i] != ']' || first)) {
        unsigned char low = static_cast<unsigned char>(mask[i]);
        unsigned char high = low;
        if (i + 2 < mask.size() && mask[i + 1] == '-' && mask[i + 2] != ']') {
            high = static_cast<unsigned char>(mask[i + 2]);
            i += 2;
        }
        if (c >= low && c <= high) found = true;
        ++i;
        first = false;
    }
    if (i >= mask.size()) return false;  // no closing bracket
    m = i + 1;
    return found != negate;
}

bool HasClosingBracket(const std::string& mask, size_t open) {
    size_t i = open + 1;
    if (i < mask.size() && mask[i] == '!') ++i;
    if (i < mask.size()) ++i;  // the first character of a set may be ']'
    return mask.find(']', i) != std::string::npos;
}

bool MatchesMask(const std::string& text, const std::string& mask) {
    size_t t = 0, m = 0;
    size_t starMask = std::string::npos, starText = 0;
    while (t < text.size()) {
        if (m < mask.size() && mask[m] == '*') {
            starMask = ++m;
            starText = t;
            continue;
        }
        if (m < mask.size()) {
            const unsigned char c = static_cast<unsigned char>(text[t]);
            if (mask[m] == '?') {
                ++m;
                ++t;
                continue;
            }
            if (mask[m] == '[' && HasClosingBracket(mask, m)) {
                size_t next = m + 1;
                if (MatchSet(mask, next, c)) {
                    m = next;
                    ++t;
                    continue;
                }
            } else if (mask[m] == text[t]) {
                ++m;
                ++t;
                continue;
            }
        }
        if (starMask == std::string::npos) return false;
        m = starMask;
        t = ++starText;
    }
    while (m < mask.size() && mask[m] == '*')
        ++m;
    return m == mask.size();
}

}  // namespace

std::string ZeroPadDigits(const std::string& text, uint8_t width) {
    std::string field(width, '0');
    const std::string digits = text.substr(0, text.find('.'));
    int pos = static_cast<int>(width) - 1;
    for (auto it = digits.rbegin(); it != digits.rend() && pos >= 0; ++it) {
        if (*it >= '0' && *it <= '9') field[pos--] = *it;
    }
    return field;
}

std::string TrimLeftBlanks(const std::string& text) {
    const size_t first = text.find_first_not_of(kBlank);
    return first == std::string::npos ? std::string() : text.substr(first);
}

std::string TrimRightBlanks(const std::string& text) {
    const size_t last = text.find_last_not_of(kBlank);
    return last == std::string::npos ? std::string() : text.substr(0, last + 1);
}

std::string TrimBlanks(const std::string& text) {
    return std::string(BlanksTrimmed(text));
}

std::string_view BlanksTrimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(kBlank);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlank) - first + 1);
}

std::string PadLeft(const std::string& text, uint8_t width) {
    if (text.size() >= width) return text.substr(text.size() - width);
    return std::string(width - text.size(), kBlank) + text;
}

std::string PadRight(const std::string& text, uint8_t width) {
    if (width == 0) return text;
    // A NUL character ends the text.
    std::string head = text.substr(0, std::min(text.find('\0'), static_cast<size_t>(width)));
    head.resize(width, kBlank);
    return head;
}

std::string ReplaceAll(const std::string& text, const std::string& pattern,
                       const std::string& replacement) {
    if (pattern.empty()) return text;
    // The search starts over from the beginning after each replacement; when
    // the replacement holds the pattern that would never end, so the search
    // then goes on after the text just inserted.
    const bool restart = replacement.find(pattern) == std::string::npos;
    std::string result = text;
    size_t from = 0;
    for (size_t at = result.find(pattern); at != std::string::npos;
         at = result.find(pattern, from)) {
        result.replace(at, pattern.size(), replacement);
        from = restart ? 0 : at + replacement.size();
    }
    return result;
}

std::string UpperCaseAscii(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

bool SameTextTrimmed(const std::string& a, const std::string& b) {
    return TrimBlanks(UpperCaseAscii(a)) == TrimBlanks(UpperCaseAscii(b));
}

bool CompareTexts(const std::string& a, uint8_t code, const std::string& b) {
    switch (code) {
        case 1:
            return a == b;
        case 2:
            return a != b;
        case 3:
            return a > b;
        case 4:
            return a < b;
        case 5:
            return a >= b;
        case 6:
            return a <= b;
        case 7:
            return SameTextTrimmed(a, b);
        case 8:
            return MatchesMask(TrimBlanks(UpperCaseAscii(a)), TrimBlanks(UpperCaseAscii(b)));
        case 9:
            return TrimBlanks(a) == TrimBlanks(b);
        default:
            return false;
    }
}

size_t Utf8LastCharacterLength(const std::string& text) {
    size_t length = 1;
    while (length < text.size() && IsUtf8Continuation(text[text.size() - length]))
        ++length;
    return std::min(length, text.size());
}

std::string WithLfLineBreaks(const std::string& text) {
    std::string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            result += text[i];
            continue;
        }
        result += '\n';
        if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    }
    return result;
}
