#pragma once

// Numbers as text, the way the program stores, shows and exchanges them.
//
// Texts are byte strings (std::string), UTF-8 where they hold non-ASCII
// letters. A blank is byte 32 only; tabs and other white space are not blanks.
// Upper-casing works per byte on ASCII letters only.
//
// Three text forms exist:
//  - the stored form (FloatToPlainText, FloatToFixedText): a point as decimal
//    separator, no thousands separators, no blanks;
//  - the display form (FormatNumber): the regional thousands and decimal
//    separators of QLocale() (the default locale);
//  - the typed form: digits with a comma as decimal separator.
// TextToFloat reads all three, as long as the text holds no thousands separator.
//
// Formatting works on the value's decimal expansion to 18 significant digits
// and rounds at the requested decimal with a 5 going away from zero, so 0.125
// gives 0.13 while 2.675 (held as 2.67499999999999982) gives 2.67.
//
// Beyond the ordinary range: infinities and NaN are written INF, -INF and NAN
// (read back as 0); a value with more than 18 integer digits is written in
// plain digits, its 18 significant digits followed by zeros; a value that
// rounds to zero never carries a minus. The readers take a number of any
// length; TextToFloat gives an infinity past the range of a double and
// TextToInt saturates at the ends of the 32-bit range.

#include <cstdint>
#include <string>

// Lenient reader: collects a number's characters and ignores the rest.
// Throws PlatformError("'.' is not a valid floating point value") when the
// collected characters are only a decimal separator (a lone comma).
double TextToFloat(const std::string& text);
// The same walk, integer part only; never throws.
int32_t TextToInt(const std::string& text);

// Stored form with at most 5 decimals, trailing zeros removed: 12.5, 3, 0.33333.
std::string FloatToPlainText(long double value);
// Stored form with |decimals| decimals (at most 99); a negative count removes
// trailing zeros.
std::string FloatToFixedText(long double value, int32_t decimals);
// Display form under a format code (see the .cpp for the code's three parts):
// 2 two decimals, zero empty; 1002 two decimals, zero shown; -2 at most two;
// 0 like -2; 100 whole numbers; 1100 whole numbers, zero shown.
std::string FormatNumber(long double value, int32_t code);

std::string IntToText(int32_t value);
std::string IntToPaddedText(int32_t value, uint8_t width);
std::string IntToZeroPadded(int32_t value, uint8_t width);

std::string TextToFixedText(const std::string& text, int32_t decimals);
std::string TextToDisplayText(const std::string& text, int32_t code);
