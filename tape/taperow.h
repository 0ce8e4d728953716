#pragma once

// TTapeRow: one row of the paper tape, its fields exactly as the settings file
// and the clipboard hold them, and its value read as a number once, when the
// value is written.
//
// Most rows hold a short value and an operator; links, comments and operator
// texts that are none of the six keys are rare, so they live in a side block
// that only such rows carry. A row costs 56 bytes, which keeps a tape of a
// million rows, and the undo step that holds it after a clear, small.

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "tape/tapecells.h"

class TTapeRow {
public:
    TTapeRow();
    TTapeRow(const TTapeRow& other);
    TTapeRow& operator=(const TTapeRow& other);
    TTapeRow(TTapeRow&&) noexcept;
    TTapeRow& operator=(TTapeRow&&) noexcept;
    ~TTapeRow();

    const std::string& Value() const { return value_; }
    // The value as the tape reads it (0 for an empty or unreadable text).
    double Number() const { return number_; }
    TTapeOperator Operator() const { return op_; }
    // The operator as written: one of the six keys, empty, or another text.
    std::string_view OperatorField() const;
    std::string_view Link() const;
    bool HasLink() const { return notes_ != nullptr && !Link().empty(); }
    // The row index the link names (the link read as a whole number).
    int32_t LinkSource() const;
    std::string_view Comment() const;
    bool IsEmpty() const { return value_.empty() && op_ == TTapeOperator::None && !notes_; }

    std::string_view Field(TTapeField field) const;
    void SetField(TTapeField field, std::string_view text);

    // The memory the row holds beyond its own size.
    size_t HeapBytes() const;

    friend bool operator==(const TTapeRow& a, const TTapeRow& b);

private:
    struct Notes;
    Notes& EditNotes();
    void DropEmptyNotes();

    std::string value_;
    double number_ = 0;
    TTapeOperator op_ = TTapeOperator::None;
    std::unique_ptr<Notes> notes_;
};

// The most characters a comment holds.
inline constexpr size_t kMaxCommentLength = 250;
// A comment as a row keeps it: one line (tabs, CR and LF become blanks) of at
// most kMaxCommentLength characters.
std::string TapeComment(std::string_view text);

// Where the comment of a tape line starts: after its third tab; npos for a
// line without a comment field. The fields before it are the numbers.
size_t CommentStart(std::string_view line);
// The fields of a tape line as the settings file and a tape file hold them
// (tab-separated value, operator, link and comment), at most kTapeFieldCount,
// as views into the line. The first three lose their surrounding blanks; the
// comment is kept as written. A line of blanks has no field.
struct TTapeLineFields {
    std::array<std::string_view, kTapeFieldCount> fields = {};
    size_t count = 0;
};
TTapeLineFields TapeLineFields(std::string_view line);
// The same for a pasted or dropped line, whose first three fields may also
// come quoted, with tabs inside the quotes.
std::vector<std::string> PastedLineFields(const std::string& line);
// A row from a line of a file; `linkField` tells whether the line has a link
// field.
TTapeRow TapeRowFromLine(const std::string& line, bool& linkField);
