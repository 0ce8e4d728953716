#pragma once

// TExtensionLines: lines 12 to 20 of the settings file, where settings that
// the first eleven lines have no room for are kept, one `key=value` a line.
//
// The nine lines are read as they are and written back in their places:
// a line whose key this program does not know (or that holds no key at all)
// stays as it was, and an empty line stays empty. A new key takes the first
// empty line; when none of the nine is empty the key is not stored (Set
// says so) and every line read keeps its text.
//
// With no extension at all nothing is written, so a file without them keeps
// its eleven lines (the tape, when there is one, still starts at line 21).

#include <array>
#include <optional>
#include <string>

class TArrayCadena;

class TExtensionLines {
public:
    static constexpr int kFirstLine = 12;
    static constexpr int kLastLine = 20;
    static constexpr int kLineCount = kLastLine - kFirstLine + 1;

    // Takes lines 12 to 20 of a loaded file (missing lines read as empty).
    void Read(const TArrayCadena& lines);
    // Writes the lines up to the last one that is not empty into `lines`; lines
    // 1 to 11 and the tape lines are not touched.
    void Write(TArrayCadena& lines) const;

    // The value of the first line holding `key`, nothing when no line does.
    std::optional<std::string> Value(const std::string& key) const;
    // The first line holding `key` gets `value` (a later line with the same
    // key is never read and stays as it was); without such a line the first
    // empty line takes it. False (nothing changed) when no line is free, or
    // when the key or the value could not stay one line of the file: an
    // empty key, a key holding "=", or a CR, LF or NUL byte in either.
    bool Set(const std::string& key, const std::string& value);
    // Empties every line holding `key`, so that no later one takes its place.
    void Remove(const std::string& key);

    // The text of line 12 + `index` as it will be written.
    const std::string& Line(int index) const { return lines_.at(static_cast<size_t>(index)); }

private:
    static bool Holds(const std::string& line, const std::string& key);

    std::array<std::string, kLineCount> lines_;
};
