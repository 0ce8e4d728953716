// TTapeEngine: the tape as clipboard text, and text lines onto the tape.

#include <algorithm>

#include "basic/stringlists.h"
#include "tape/tapeengine.h"
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

}  // namespace

// The first total at or below the current row (from the row above it down to
// the first free row), else the nearest total above.
std::string TTapeEngine::ResultText() const {
    const int32_t current = CurrentRow();
    const int32_t used = UsedRows();
    for (int32_t row = current - 1; row <= used; ++row) {
        if (Operator(row) == TTapeOperator::Total) return Value(row + 1);
    }
    for (int32_t row = current; row >= 0; --row) {
        if (Operator(row) == TTapeOperator::Total) return Value(row + 1);
    }
    return {};
}

// Typed values carry commas and computed ones points; a copy uses one of them.
std::string TTapeEngine::CopiedValue(std::string value) const {
    if (convertOnCopy_) {
        ReplaceChar(value, ',', '.');
    } else {
        ReplaceChar(value, '.', ',');
    }
    return value;
}

std::string TTapeEngine::CopyResultText() const {
    return CopiedValue(ResultText());
}

std::string TTapeEngine::CopyValuesText() const {
    std::string text;
    const int32_t used = UsedRows();
    for (int32_t row = 0; row < used; ++row) {
        text += CopiedValue(Value(row));
        text += kLineEnd;
    }
    return text;
}

// Whole rows (value, operator, link, comment) separated by tabs, the numbers
// always with decimal commas, as a spreadsheet in this region reads them; a
// comment stays as written.
std::string TTapeEngine::CopyTapeText() const {
    std::string text;
    const int32_t used = UsedRows();
    for (int32_t row = 0; row < used; ++row) {
        std::string line = tape_.RowText(row);
        const size_t comment = std::min(CommentStart(line), line.size());
        std::replace(line.begin(), line.begin() + static_cast<ptrdiff_t>(comment), '.', ',');
        text += line;
        text += kLineEnd;
    }
    return text;
}

// Each line worth a number other than 0 fills the first free row (its tab
// separated fields become the value, operator and link cells) and is added
// with "+" when it brings no operator. A single line then just updates the
// subtotal; several lines end with Enter on the last one, as if it had been
// typed. The entry text is emptied first, so Enter never writes a pending
// entry over the last pasted value, and when nothing was added the tape is
// left as it was.
void TTapeEngine::AddLinesToTape(const TStringList& lines) {
    Action action(*this);
    const int32_t usedBefore = UsedRows();
    for (int i = 0; i < lines.Count(); ++i)
        AppendTapeLine(lines.Strings(i));
    if (UsedRows() > 0) SelectRow(UsedRows() - 1);
    if (lines.Count() < 2 || UsedRows() == usedBefore) {
        if (UsedRows() > 0) SelectRow(UsedRows());
        ShowRunningValue();
    } else {
        SetEntryText({});
        EnterEntry();
    }
}

// The separators are those of the numbers; a comment keeps its own.
void TTapeEngine::AppendTapeLine(std::string line) {
    if (!line.empty() && line.front() == '\t') line = line.substr(1, kLongestTabbedLine);
    const size_t commentStart = CommentStart(line);
    std::string comment =
        commentStart == std::string::npos ? std::string() : line.substr(commentStart);
    line.resize(std::min(commentStart, line.size()));
    NormaliseSeparators(line);
    if (TapeNumber(line) == 0) return;
    line += comment;
    tape_.WriteRowText(UsedRows(), line);
    const int32_t last = UsedRows() - 1;
    if (Operator(last) == TTapeOperator::None) WriteOperator(last, TTapeOperator::Plus);
}
