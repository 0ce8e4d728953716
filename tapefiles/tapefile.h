#pragma once

// Tape files: a tape as UTF-8 text, one row a line ended by CR LF, the fields
// of a row separated by tabs exactly as the settings file holds them (value,
// operator, link, comment). Reading a file gives back exactly the tape that
// was written, so writing it again gives the same bytes.
//
// Reading takes any text that a person or another program may have written,
// and rejects what is no tape at all: a file that is not text (binary data, a
// picture, UTF-16), text that is not UTF-8, a file too large for a tape.
// A byte order mark at the start is read over. Within the text, a line is a
// tape row when it has the tab after the value, at most the four fields, no
// control character, no byte order mark and no more than kLongestTapeLine
// bytes; the other lines are counted and left out (empty lines at the very
// end are no line at all). A text in which no line is a tape row is no tape.
//
// Failures throw PlatformError: a file that cannot be read or written, and a
// file that is no tape (whose message says why).

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "tapefiles/tapelines.h"

class TTapeDocument;

inline constexpr size_t kLongestTapeLine = 64 * 1024;
inline constexpr int64_t kLargestTapeFile = 256 * 1024 * 1024;

// The text of a tape's file.
std::string TapeFileText(const TTapeDocument& tape);
// Writes the tape's file whole, or leaves the old file as it was.
void SaveTapeFile(const TTapeDocument& tape, const std::string& path);

struct TTapeFileContent {
    TTapeLines tape;
    // The lines that are no tape row, and the number (from 1) of the first.
    int badLines = 0;
    int firstBadLine = 0;
};

// The tape of a file's text. The message of a text that is no tape is the
// reason, such as "el text no és UTF-8".
TTapeFileContent ReadTapeFileText(std::string_view text);
// The tape of a file; the message of a file that is no tape names the file.
TTapeFileContent LoadTapeFile(const std::string& path);
