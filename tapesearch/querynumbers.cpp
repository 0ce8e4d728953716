#include "tapesearch/querynumbers.h"

#include <array>
#include <optional>
#include <string>

#include "basic/regionalseparators.h"
#include "tape/tapenumbers.h"

namespace {

// A separator between digits, by what it may mean. Blanks of every width
// are one kind, and the apostrophes another.
enum class TSeparator { Point, Comma, Blank, Apostrophe, RegionGroup, RegionDecimal };

bool MarksDecimals(TSeparator separator) {
    return separator == TSeparator::Point || separator == TSeparator::Comma ||
           separator == TSeparator::RegionDecimal;
}

struct TSpelling {
    std::string_view text;
    TSeparator separator;
};

constexpr std::array<TSpelling, 8> kSpellings = {{
    {".", TSeparator::Point},
    {",", TSeparator::Comma},
    {" ", TSeparator::Blank},
    {"\u00A0", TSeparator::Blank},
    {"\u202F", TSeparator::Blank},
    {"\u2009", TSeparator::Blank},
    {"'", TSeparator::Apostrophe},
    {"\u2019", TSeparator::Apostrophe},
}};

constexpr std::array<std::string_view, 3> kSigns = {"-", "+", "\u2212"};

bool StartsWith(std::string_view text, std::string_view start) {
    return !start.empty() && text.substr(0, start.size()) == start;
}

// The separator that `text` starts with, taking its spelling off.
std::optional<TSeparator> TakeSeparator(std::string_view& text) {
    for (const TSpelling& spelling : kSpellings) {
        if (StartsWith(text, spelling.text)) {
            text.remove_prefix(spelling.text.size());
            return spelling.separator;
        }
    }
    // The region's own, when it is none of those (checked after them).
    const RegionalSeparators& region = CurrentSeparators();
    if (StartsWith(text, region.decimal)) {
        text.remove_prefix(region.decimal.size());
        return TSeparator::RegionDecimal;
    }
    if (StartsWith(text, region.thousands)) {
        text.remove_prefix(region.thousands.size());
        return TSeparator::RegionGroup;
    }
    return std::nullopt;
}

void TakeBlanks(std::string_view& text) {
    while (true) {
        std::string_view rest = text;
        if (StartsWith(rest, "\t")) {
            rest.remove_prefix(1);
        } else if (const std::optional<TSeparator> s = TakeSeparator(rest);
                   s != TSeparator::Blank) {
            return;
        }
        text = rest;
    }
}

std::string_view TakeDigits(std::string_view& text) {
    size_t count = 0;
    while (count < text.size() && text[count] >= '0' && text[count] <= '9')
        ++count;
    const std::string_view digits = text.substr(0, count);
    text.remove_prefix(count);
    return digits;
}

// A number as typed: runs of digits with one separator between each two.
struct TNumberParts {
    bool negative = false;
    std::vector<std::string_view> digits;  // one more than the separators
    std::vector<TSeparator> separators;
};

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

std::string_view TrimmedEnd(std::string_view text) {
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        for (const TSpelling& spelling : kSpellings) {
            if (spelling.separator == TSeparator::Blank && EndsWith(text, spelling.text)) {
                text.remove_suffix(spelling.text.size());
                trimmed = true;
            }
        }
        if (EndsWith(text, "\t")) {
            text.remove_suffix(1);
            trimmed = true;
        }
    }
    return text;
}

std::optional<TNumberParts> NumberParts(std::string_view text) {
    TNumberParts parts;
    TakeBlanks(text);
    for (const std::string_view sign : kSigns) {
        if (StartsWith(text, sign)) {
            parts.negative = sign != "+";
            text.remove_prefix(sign.size());
            TakeBlanks(text);
            break;
        }
    }
    text = TrimmedEnd(text);
    while (true) {
        parts.digits.push_back(TakeDigits(text));
        if (text.empty()) break;
        const std::optional<TSeparator> separator = TakeSeparator(text);
        if (!separator) return std::nullopt;
        parts.separators.push_back(*separator);
    }
    return parts;
}

// Digits grouped in thousands: a first group of one to three digits that
// starts with no 0, then groups of three, all behind the same separator.
bool Grouped(const std::vector<std::string_view>& digits, const std::vector<TSeparator>& separators,
             size_t groups) {
    if (groups < 2) return false;
    const std::string_view first = digits[0];
    if (first.empty() || first.size() > 3 || first[0] == '0') return false;
    for (size_t i = 1; i < groups; ++i) {
        if (digits[i].size() != 3 || separators[i - 1] != separators[0]) return false;
    }
    return true;
}

std::string Joined(const std::vector<std::string_view>& digits, size_t count) {
    std::string joined;
    for (size_t i = 0; i < count; ++i)
        joined += digits[i];
    return joined;
}

double NumberOf(bool negative, const std::string& whole, std::string_view decimals) {
    std::string text = negative ? "-" : "";
    text += whole.empty() ? "0" : whole;
    if (!decimals.empty()) {
        text += '.';
        text += decimals;
    }
    return TapeNumber(text);
}

}  // namespace

std::vector<double> QueryNumbers(std::string_view typed) {
    const std::optional<TNumberParts> parts = NumberParts(typed);
    if (!parts) return {};
    const std::vector<std::string_view>& digits = parts->digits;
    const std::vector<TSeparator>& separators = parts->separators;
    const size_t runs = digits.size();
    // Only the first and the last run may be empty, and not both.
    for (size_t i = 1; i + 1 < runs; ++i) {
        if (digits[i].empty()) return {};
    }
    if (digits.front().empty() && digits.back().empty()) return {};

    std::vector<double> numbers;
    if (runs == 1) return {NumberOf(parts->negative, std::string(digits[0]), {})};
    if (Grouped(digits, separators, runs))
        numbers.push_back(NumberOf(parts->negative, Joined(digits, runs), {}));
    // The last separator marks the decimals; the digits before it are a
    // whole number or grouped by another separator.
    const TSeparator last = separators.back();
    const bool wholeBefore =
        runs == 2 || (Grouped(digits, separators, runs - 1) && separators[runs - 3] != last);
    if (MarksDecimals(last) && wholeBefore)
        numbers.push_back(NumberOf(parts->negative, Joined(digits, runs - 1), digits.back()));
    return numbers;
}
