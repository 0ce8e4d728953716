#pragma once

// Calendar arithmetic on a day count with the 4-year leap rule (no century
// rule): month arithmetic and snapping to the start of a period.

#include <string>

#include "basic/dates.h"

class TData {
public:
    void SetDateValue(TDateTime value);
    void SetDayNumber(int dayNumber);
    int DayNumber() const;
    int DaysInMonth(int month) const;
    // 1 = Monday ... 7 = Sunday.
    int DayOfWeek() const;
    std::string AddMonths(int months);
    const std::string& Text() const { return text_; }
    // D unchanged, M first of month, T first of quarter, A 1 January, S Monday.
    void ApplyPeriodLetter(char letter);

    int Year() const { return year_; }
    int Month() const { return month_; }
    int Day() const { return day_; }

private:
    void RebuildText();

    int year_ = 0;
    int month_ = 0;
    int day_ = 0;
    std::string text_ = "00000000";
};
