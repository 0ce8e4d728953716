#pragma once

// Dates travel as 8-digit texts "yyyymmdd"; "00000000" is the empty date and
// "99999999" the highest one (both shown as blanks). Display forms are chosen
// by a mode equal to the width of the text: 5 dd/mm, 6 mm/yy, 7 mm/yyyy,
// 8 dd/mm/yy, 10 dd/mm/yyyy. The platform's date value counts days from
// 30 December 1899 and is used only at the edges.

#include <string>

using TDateTime = double;

std::string DateToText(TDateTime value);
std::string NormalizeDate(const std::string& text);
// Throws PlatformError for an impossible date (month 13, day 0, 30 February).
TDateTime TextToDate(const std::string& text);
std::string FormatDateText(const std::string& text, int mode);
std::string TimeToSeconds(const std::string& text);
std::string FormatTimeText(const std::string& text, int mode);
// Today's date as a platform date value (whole days).
TDateTime TodayDateValue();
