#pragma once

// Small text routines the number and date routines rest on: blank trimming,
// fixed-width fields, replacing and comparing; and the few that know of UTF-8
// characters and of line breaks. Byte strings; a blank is byte 32.

#include <cstdint>
#include <string>
#include <string_view>

std::string ZeroPadDigits(const std::string& text, uint8_t width);
std::string TrimLeftBlanks(const std::string& text);
std::string TrimRightBlanks(const std::string& text);
std::string TrimBlanks(const std::string& text);
// The same, as a view into `text`.
std::string_view BlanksTrimmed(std::string_view text);
std::string PadLeft(const std::string& text, uint8_t width);
std::string PadRight(const std::string& text, uint8_t width);
std::string ReplaceAll(const std::string& text, const std::string& pattern,
                       const std::string& replacement);
// Upper-cases ASCII letters, byte by byte; other bytes are left alone.
std::string UpperCaseAscii(std::string text);
bool SameTextTrimmed(const std::string& a, const std::string& b);
// Comparison by operator code: 1 =, 2 <>, 3 >, 4 <, 5 >=, 6 <=, 7 same text
// trimmed, 8 file-name mask (* ? [set] [!set]), 9 equal once trimmed. Any other
// code gives false.
bool CompareTexts(const std::string& a, uint8_t code, const std::string& b);

// A byte that carries a UTF-8 character on (10xxxxxx) rather than starting one.
constexpr bool IsUtf8Continuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}
// The bytes of the last UTF-8 character of a text: its lead byte and the
// continuation bytes after it (stray ones count with it); 0 for an empty text.
size_t Utf8LastCharacterLength(const std::string& text);

// Line breaks as LF: CR LF and a lone CR each become one LF.
std::string WithLfLineBreaks(const std::string& text);
