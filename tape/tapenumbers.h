#pragma once

// How the tape reads, rounds and writes its numbers. Each routine gives
// exactly what the number text routines give (TextToFloat, FloatToFixedText
// then TextToFloat, FloatToPlainText); it takes a short cut for the plain
// numbers and amounts a tape holds, because the tape is evaluated again at
// every key, and leaves every other case to those routines.

#include <cstdint>
#include <string>

// A tape cell as a number: TextToFloat, except that a cell holding no number
// (a lone decimal separator restored from a file) reads as 0 instead of
// stopping every evaluation with an error.
double TapeNumber(const std::string& text);

// The value rounded at `decimals` decimals, as writing it with
// FloatToFixedText and reading it back with TextToFloat gives: its decimal
// expansion to 18 significant digits, a final 5 going away from zero.
double RoundedAt(double value, int32_t decimals);

// FloatToPlainText of the value: the stored form with at most 5 decimals.
std::string PlainTextOf(double value);

// The shortest stored-form text (a point, no exponent, no thousands
// separator) that reads back as exactly `value`: 16.5, 0.333333, -2. For a
// number kept beyond the tape's 5 decimals (the memory). A value that is not
// finite gives "0".
std::string ExactText(double value);
