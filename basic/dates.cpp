#include "basic/dates.h"
#include "basic/translation.h"

#include <QDate>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

#include "basic/numbertext.h"
#include "basic/platformerror.h"
#include "basic/texttools.h"

namespace {

const char* const kEmptyDate = "00000000";
const char* const kHighestDate = "99999999";

// Day 0 of the platform's date value.
QDate DateValueOrigin() {
    return QDate(1899, 12, 30);
}

// Characters `from` .. `from` + `count` - 1 of the text, counting from 1; fewer
// or none where the text is shorter.
std::string Chars(const std::string& text, size_t from, size_t count) {
    if (from == 0 || from > text.size()) return {};
    return text.substr(from - 1, count);
}

// TextToFloat, but a text that is no number (a lone separator) counts 0: the
// date routines never fail on malformed text.
double NumberOrZero(const std::string& text) {
    try {
        return TextToFloat(text);
    } catch (const PlatformError&) {
        return 0.0;
    }
}

// Removes the bytes 0 to 32 (control characters and blanks) from both ends.
std::string TrimControls(const std::string& text) {
    const auto isControl = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    const auto first = std::find_if_not(text.begin(), text.end(), isControl);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), isControl).base();
    return first < last ? std::string(first, last) : std::string();
}

// dd/mm/yyyy becomes yyyymmdd and dd/mm/yy becomes yymmdd; `length` is the
// length of the trimmed input, 8 telling the short form.
std::string RearrangeSlashed(const std::string& text, size_t length) {
    if (length == 8) return Chars(text, 7, 2) + Chars(text, 4, 2) + Chars(text, 1, 2);
    return Chars(text, 7, 4) + Chars(text, 4, 2) + Chars(text, 1, 2);
}

// The calendar date of a date text "yyyymmdd", if it is one.
std::optional<QDate> DateOfText(const std::string& date) {
    const bool digits = date.size() == 8 && std::all_of(date.begin(), date.end(), [](char c) {
                            return c >= '0' && c <= '9';
                        });
    if (!digits) return std::nullopt;
    const QDate result(TextToInt(date.substr(0, 4)), TextToInt(date.substr(4, 2)),
                       TextToInt(date.substr(6, 2)));
    if (!result.isValid()) return std::nullopt;
    return result;
}

std::optional<QDate> DateOfValue(TDateTime value) {
    // Far outside the years 1 to 9999 the day count would not fit QDate's.
    constexpr double kDayLimit = 4e6;
    if (!std::isfinite(value) || std::abs(value) > kDayLimit) return std::nullopt;
    const QDate date = DateValueOrigin().addDays(static_cast<qint64>(std::trunc(value)));
    if (date.year() < 1 || date.year() > 9999) return std::nullopt;
    return date;
}

}  // namespace

// A value that is no date of the years 1 to 9999 (NaN, an infinity, a day
// count far out) gives the empty date.
std::string DateToText(TDateTime value) {
    const std::optional<QDate> date = DateOfValue(value);
    if (!date) return kEmptyDate;
    return IntToZeroPadded(date->year(), 4) + IntToZeroPadded(date->month(), 2) +
           IntToZeroPadded(date->day(), 2);
}

// Two-digit years 00 to 19 are read as 20xx and 20 to 99 as 19xx, so 31/12/24
// gives 19241231.
std::string NormalizeDate(const std::string& text) {
    const std::string trimmed = TrimBlanks(text);
    const size_t length = trimmed.size();
    std::string date = length == 6 || length == 8 || length == 10 ? trimmed : PadRight(trimmed, 10);
    if (date.find('/') != std::string::npos) date = RearrangeSlashed(date, length);
    date = TrimControls(date);

    if (NumberOrZero(date.substr(date.size() - std::min<size_t>(date.size(), 2))) == 0) {
        return kEmptyDate;
    }
    if (date.size() == 6) {
        date.insert(0, date <= "2" ? "20" : "19");
        if (date == "19999999") date = kHighestDate;
    }
    return date;
}

TDateTime TextToDate(const std::string& text) {
    if (TextToInt(text) == 0) return 0;
    const std::optional<QDate> date = DateOfText(NormalizeDate(text));
    if (!date) throw PlatformError(Filled(Tr("TamBasic", "'%1' is not a valid date"), {text}));
    return static_cast<TDateTime>(DateValueOrigin().daysTo(*date));
}

std::string FormatDateText(const std::string& text, int mode) {
    const std::string date = NormalizeDate(text);
    std::string shown;
    switch (mode) {
        case 5:
            shown = Chars(date, 7, 2) + "/" + Chars(date, 5, 2);
            break;
        case 6:
            shown = Chars(date, 5, 2) + "/" + Chars(date, 3, 2);
            break;
        case 7:
            shown = Chars(date, 5, 2) + "/" + Chars(date, 1, 4);
            break;
        case 10:
            shown = Chars(date, 7, 2) + "/" + Chars(date, 5, 2) + "/" + Chars(date, 1, 4);
            break;
        default:
            shown = Chars(date, 7, 2) + "/" + Chars(date, 5, 2) + "/" + Chars(date, 3, 2);
            break;
    }
    // The empty and the highest date show as blanks of the field's width.
    if (NumberOrZero(shown) == 0 || NumberOrZero(text) == 99999999) {
        return std::string(static_cast<size_t>(std::max(mode, 0)), ' ');
    }
    return shown;
}

// Computed in 64 bits, so that no count of hours overflows.
std::string TimeToSeconds(const std::string& text) {
    const size_t colon = text.find(':');
    if (colon == std::string::npos) return text;
    const int64_t hours = TextToInt(text.substr(0, colon));
    const int64_t minutes = TextToInt(text.substr(colon + 1, 2));
    const size_t second = text.substr(colon + 1, 20).find(':');
    const int64_t seconds =
        second == std::string::npos ? 0 : TextToInt(text.substr(colon + 1 + second + 1, 2));
    return std::to_string(hours * 3600 + minutes * 60 + seconds);
}

std::string FormatTimeText(const std::string& text, int mode) {
    const int32_t total = TextToInt(TimeToSeconds(text));
    if (total == 0) return std::string(static_cast<size_t>(std::max(mode, 0)), ' ');
    const int32_t seconds = total % 60;
    const int32_t minutes = total % 3600 / 60;
    const int32_t hours = total / 3600;
    const std::string mm = IntToZeroPadded(minutes, 2);
    switch (std::abs(int64_t{mode})) {
        case 5:
            return IntToZeroPadded(hours, 2) + ':' + mm;
        case 6:
            return IntToPaddedText(hours, 3) + ':' + mm;
        case 7:
            return IntToPaddedText(hours, 4) + ':' + mm;
        case 9:
            return IntToPaddedText(hours, 6) + ':' + mm;
        default:
            return IntToZeroPadded(hours, 2) + ':' + mm + ':' + IntToZeroPadded(seconds, 2);
    }
}

TDateTime TodayDateValue() {
    return static_cast<TDateTime>(DateValueOrigin().daysTo(QDate::currentDate()));
}
