#include "tape/tapeclipboard.h"

#include <algorithm>

#include "tape/tapedocument.h"
#include "tape/tapenumbers.h"

namespace {

constexpr char kLineEnd[] = "\r\n";
// A line that starts with a tab keeps at most this many characters after it.
constexpr size_t kLongestTabbedLine = 1000;

void ReplaceChar(std::string& text, char from, char to) {
    std::replace(text.begin(), text.end(), from, to);
}

void RemoveChar(std::string& text, char removed) {
    text.erase(std::remove(text.begin(), text.end(), removed), text.end());
}

// A received number with either decimal separator, in the stored form: a lone
// point is the decimal separator, a lone comma becomes one, and with both the
// first one met groups thousands and is removed.
void NormaliseSeparators(std::string& line) {
    const size_t point = line.find('.');
    const size_t comma = line.find(',');
    if (comma == std::string::npos) return;
    if (point == std::string::npos) {
        ReplaceChar(line, ',', '.');
    } else if (point < comma) {
        RemoveChar(line, '.');
        ReplaceChar(line, ',', '.');
    } else {
        RemoveChar(line, ',');
    }
}

std::string CopiedValue(std::string value, bool convertOnCopy) {
    if (convertOnCopy) {
        ReplaceChar(value, ',', '.');
    } else {
        ReplaceChar(value, '.', ',');
    }
    return value;
}

}  // namespace

// From the row above the current one down to the first free row, then from
// the current row up.
std::string ResultText(const TTapeDocument& tape) {
    const int32_t current = tape.CurrentRow();
    const int32_t used = tape.UsedRows();
    for (int32_t row = current - 1; row <= used; ++row) {
        if (AsksForResult(tape.Operator(row))) return tape.Value(row + 1);
    }
    for (int32_t row = current; row >= 0; --row) {
        if (AsksForResult(tape.Operator(row))) return tape.Value(row + 1);
    }
    return {};
}

std::string CopyResultText(const TTapeDocument& tape, bool convertOnCopy) {
    return CopiedValue(ResultText(tape), convertOnCopy);
}

std::string CopyValuesText(const TTapeDocument& tape, bool convertOnCopy) {
    std::string text;
    const int32_t used = tape.UsedRows();
    for (int32_t row = 0; row < used; ++row) {
        text += CopiedValue(tape.Value(row), convertOnCopy);
        text += kLineEnd;
    }
    return text;
}

// As a spreadsheet in this region reads them.
std::string CopyTapeText(const TTapeDocument& tape) {
    std::string text;
    const int32_t used = tape.UsedRows();
    for (int32_t row = 0; row < used; ++row) {
        std::string line = tape.RowText(row);
        const size_t comment = std::min(CommentStart(line), line.size());
        std::replace(line.begin(), line.begin() + static_cast<ptrdiff_t>(comment), '.', ',');
        text += line;
        text += kLineEnd;
    }
    return text;
}

std::optional<std::string> PastedTapeLine(std::string line) {
    if (!line.empty() && line.front() == '\t') line = line.substr(1, kLongestTabbedLine);
    const size_t commentStart = CommentStart(line);
    std::string comment =
        commentStart == std::string::npos ? std::string() : line.substr(commentStart);
    line.resize(std::min(commentStart, line.size()));
    NormaliseSeparators(line);
    if (TapeNumber(line) == 0) return std::nullopt;
    return line + comment;
}
