#pragma once

// Dates travel as 8-digit texts "yyyymmdd"; "00000000" is the empty date and
// "99999999" the highest one (both shown as blanks). Display forms are chosen
// by a mode equal to the width of the text: 5 dd/mm, 6 mm/yy, 7 mm/yyyy,
// 8 dd/mm/yy, 10 dd/mm/yyyy. The platform's date value counts days from
// 30 December 1899 and is used only at the edges.

#include <string>

using TDateTime = double;

// The display mode of the full form, dd/mm/yyyy.
constexpr int kDayMonthYear = 10;

// "00000000" for a value outside the years 1 to 9999 (NaN included).
std::string DateToText(TDateTime value);
// Reads "yyyymmdd", yymmdd (years 00-19 are 20xx, 20-99 are 19xx), dd/mm/yyyy
// and dd/mm/yy; other texts pass through or give meaningless texts. Neither
// this routine nor the display and time routines below ever throw.
std::string NormalizeDate(const std::string& text);
// 0 when TextToInt of the text is 0. Throws PlatformError "'TEXT' is not a
// valid date" for an impossible date (month 13, day 0, 30 February).
TDateTime TextToDate(const std::string& text);
std::string FormatDateText(const std::string& text, int mode);
std::string TimeToSeconds(const std::string& text);
std::string FormatTimeText(const std::string& text, int mode);
// Today's date as a platform date value (whole days).
TDateTime TodayDateValue();
