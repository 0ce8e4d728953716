#pragma once

// What the settings file (Brimsum.Ini) holds for the tape: its rows, one a
// line from line 21 on, and the decimals it is shown with, on line 6. Read by
// the main window when it opens and by the command line's export, which reads
// the file as it is and never writes it.

#include <cstdint>
#include <optional>
#include <string>

#include "tapefiles/tapelines.h"

class TArrayCadena;

inline constexpr int kDecimalsLine = 6;
inline constexpr int kFirstTapeLine = 21;

// The number of a settings line; nothing for an empty or unreadable line or a
// negative number, which leave their setting at its start value. A line
// reading exactly 0 is 0, so an option turned off stays off.
std::optional<int32_t> SettingsNumber(const std::string& line);

// The stored decimals, when the line holds a count the tape can show.
std::optional<int32_t> StoredDecimals(const TArrayCadena& lines);

// The tape rows of the file.
TTapeLines StoredTape(const TArrayCadena& lines);
