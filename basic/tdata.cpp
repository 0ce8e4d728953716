#include "basic/tdata.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "basic/numbertext.h"

namespace {

constexpr int kMonthLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Day number = date value + this offset. With the 4-year leap rule the day
// numbers match the platform's calendar from 1 March 1900 on: the leap day of
// 1900 that the rule counts is absorbed here.
constexpr double kDateValueOffset = 693974;

// Day numbers and years stay within int; arithmetic that could leave it is
// done in 64 bits and saturates.
int Saturated(int64_t value) {
    return static_cast<int>(std::clamp<int64_t>(value, std::numeric_limits<int>::min(),
                                                std::numeric_limits<int>::max()));
}

int64_t FloorDiv(int64_t a, int64_t b) {
    return a / b - (a % b != 0 && (a < 0) != (b < 0));
}

}  // namespace

// NaN, infinities and values beyond the day-number range give the empty date.
void TData::SetDateValue(TDateTime value) {
    const double number = std::trunc(value + kDateValueOffset);
    const bool inRange =
        std::isfinite(number) && std::abs(number) <= std::numeric_limits<int>::max();
    SetDayNumber(inRange ? static_cast<int>(number) : 0);
}

void TData::SetDayNumber(int dayNumber) {
    year_ = static_cast<int>(std::trunc(dayNumber / 365.25));
    int64_t rest = int64_t{dayNumber} - (int64_t{365} * year_ + (year_ - 1) / 4);
    month_ = dayNumber == 0 ? 0 : 1;
    while (month_ != 13 && rest - DaysInMonth(month_) >= 1) {
        rest -= DaysInMonth(month_);
        ++month_;
    }
    day_ = static_cast<int>(rest);
    RebuildText();
}

int TData::DayNumber() const {
    int64_t number = int64_t{365} * year_ + (year_ - 1) / 4 + day_;
    for (int month = 1; month < month_; ++month)
        number += DaysInMonth(month);
    return Saturated(number);
}

// February has 29 days in every year divisible by 4: there is no century
// rule. A month outside 1 to 12 counts 31 days.
int TData::DaysInMonth(int month) const {
    if (month < 1 || month > 12) return 31;
    if (month == 2 && year_ % 4 == 0) return 29;
    return kMonthLengths[month - 1];
}

int TData::DayOfWeek() const {
    const int64_t shifted = (int64_t{DayNumber()} + 4) % 7;
    return static_cast<int>(shifted < 0 ? shifted + 7 : shifted) + 1;
}

// Any count of months, also below -12, moves the date by whole months: the
// month count is taken from year 0, moved and split again.
std::string TData::AddMonths(int months) {
    const int64_t total = int64_t{year_} * 12 + (month_ - 1) + months;
    const int64_t year = FloorDiv(total, 12);
    year_ = Saturated(year);
    month_ = static_cast<int>(total - year * 12) + 1;
    day_ = std::min(day_, DaysInMonth(month_));
    RebuildText();
    return text_;
}

void TData::ApplyPeriodLetter(char letter) {
    switch (letter) {
        case 'M':
        case 'm':
            day_ = 1;
            break;
        case 'T':
        case 't':
            month_ = (month_ - 1) / 3 * 3 + 1;
            day_ = 1;
            break;
        case 'A':
        case 'a':
            month_ = 1;
            day_ = 1;
            break;
        case 'S':
        case 's':
            SetDayNumber(Saturated(int64_t{DayNumber()} - DayOfWeek() + 1));
            return;
        default:
            return;  // D, and any other letter, leaves the date as it is
    }
    RebuildText();
}

void TData::RebuildText() {
    text_ = IntToZeroPadded(year_, 4) + IntToZeroPadded(month_, 2) + IntToZeroPadded(day_, 2);
}
