#include "tape/taperow.h"

#include <algorithm>

#include "basic/numbertext.h"
#include "basic/stringlists.h"
#include "basic/texttools.h"
#include "tape/tapenumbers.h"

// The rare fields of a row.
struct TTapeRow::Notes {
    std::string operatorText;  // only for TTapeOperator::Other
    std::string link;
    int32_t linkSource = 0;
    std::string comment;

    bool Empty() const { return operatorText.empty() && link.empty() && comment.empty(); }
    friend bool operator==(const Notes&, const Notes&) = default;
};

TTapeRow::TTapeRow(const TTapeRow& other)
    : value_(other.value_),
      number_(other.number_),
      op_(other.op_),
      notes_(other.notes_ ? std::make_unique<Notes>(*other.notes_) : nullptr) {}

TTapeRow& TTapeRow::operator=(const TTapeRow& other) {
    if (this != &other) *this = TTapeRow(other);
    return *this;
}

TTapeRow::TTapeRow() = default;
TTapeRow::TTapeRow(TTapeRow&&) noexcept = default;
TTapeRow& TTapeRow::operator=(TTapeRow&&) noexcept = default;
TTapeRow::~TTapeRow() = default;

std::string_view TTapeRow::OperatorField() const {
    if (op_ == TTapeOperator::Other) return notes_->operatorText;
    return OperatorText(op_);
}

std::string_view TTapeRow::Link() const {
    return notes_ ? std::string_view(notes_->link) : std::string_view();
}

int32_t TTapeRow::LinkSource() const {
    return notes_ ? notes_->linkSource : 0;
}

std::string_view TTapeRow::Comment() const {
    return notes_ ? std::string_view(notes_->comment) : std::string_view();
}

std::string_view TTapeRow::Field(TTapeField field) const {
    switch (field) {
        case TTapeField::Value:
            return value_;
        case TTapeField::Operator:
            return OperatorField();
        case TTapeField::Link:
            return Link();
        case TTapeField::Comment:
            return Comment();
    }
    return {};
}

void TTapeRow::SetField(TTapeField field, std::string_view text) {
    // A field is one line of a file: a tab, CR or LF in it is a blank.
    std::string oneLine;
    if (field != TTapeField::Comment && text.find_first_of("\t\r\n") != std::string_view::npos) {
        oneLine.assign(text);
        std::replace_if(
            oneLine.begin(), oneLine.end(),
            [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
        text = oneLine;
    }
    switch (field) {
        case TTapeField::Value:
            value_.assign(text);
            number_ = TapeNumber(value_);
            return;
        case TTapeField::Operator:
            op_ = OperatorFromText(text);
            if (op_ == TTapeOperator::Other) {
                EditNotes().operatorText.assign(text);
            } else if (notes_) {
                notes_->operatorText.clear();
            }
            break;
        case TTapeField::Link:
            if (text.empty() && !notes_) return;
            EditNotes().link.assign(text);
            notes_->linkSource = TextToInt(notes_->link);
            break;
        case TTapeField::Comment:
            if (text.empty() && !notes_) return;
            EditNotes().comment = TapeComment(text);
            break;
    }
    DropEmptyNotes();
}

TTapeRow::Notes& TTapeRow::EditNotes() {
    if (!notes_) notes_ = std::make_unique<Notes>();
    return *notes_;
}

void TTapeRow::DropEmptyNotes() {
    if (notes_ && notes_->Empty()) notes_.reset();
}

namespace {

size_t StringHeap(const std::string& text) {
    // A short text lives inside the string itself.
    return text.capacity() > std::string().capacity() ? text.capacity() + 1 : 0;
}

}  // namespace

size_t TTapeRow::HeapBytes() const {
    size_t bytes = StringHeap(value_);
    if (notes_) {
        bytes += sizeof(Notes) + StringHeap(notes_->operatorText) + StringHeap(notes_->link) +
                 StringHeap(notes_->comment);
    }
    return bytes;
}

bool operator==(const TTapeRow& a, const TTapeRow& b) {
    if (a.value_ != b.value_ || a.op_ != b.op_) return false;
    if (!a.notes_ || !b.notes_) return !a.notes_ && !b.notes_;
    return *a.notes_ == *b.notes_;
}

std::string TapeComment(std::string_view text) {
    std::string comment;
    size_t characters = 0;
    for (const char c : text) {
        if (!IsUtf8Continuation(c) && characters++ == kMaxCommentLength) break;
        comment += c == '\t' || c == '\r' || c == '\n' ? ' ' : c;
    }
    return comment;
}

size_t CommentStart(std::string_view line) {
    size_t at = 0;
    for (int tab = 0; tab < 3; ++tab) {
        at = line.find('\t', at);
        if (at == std::string_view::npos) return at;
        ++at;
    }
    return at;
}

// The numbers and the operator are split at tabs and lose their blanks; a
// quote is a character like any other, so whatever a row holds comes back as
// it was written.
// The line is read in place: a long tape is read line by line at every start.
TTapeLineFields TapeLineFields(std::string_view line) {
    TTapeLineFields fields;
    const size_t comment = CommentStart(line);
    const std::string_view numbers =
        line.substr(0, comment == std::string_view::npos ? line.size() : comment - 1);
    if (comment == std::string_view::npos && BlanksTrimmed(line).empty()) return fields;
    size_t start = 0;
    while (true) {
        const size_t tab = numbers.find('\t', start);
        fields.fields[fields.count++] = BlanksTrimmed(numbers.substr(start, tab - start));
        if (tab == std::string_view::npos) break;
        start = tab + 1;
    }
    if (comment != std::string_view::npos) fields.fields[fields.count++] = line.substr(comment);
    return fields;
}

// A spreadsheet's cells may come quoted: quotes protect the tabs between them
// and are taken off.
std::vector<std::string> PastedLineFields(const std::string& line) {
    const size_t comment = CommentStart(line);
    if (comment == std::string::npos) return SplitFieldList(line, "\t", 0);
    std::vector<std::string> fields = SplitFieldList(line.substr(0, comment), "\t", 0);
    fields.resize(static_cast<size_t>(TTapeField::Comment));
    fields.push_back(line.substr(comment));
    return fields;
}

TTapeRow TapeRowFromLine(const std::string& line, bool& linkField) {
    const TTapeLineFields fields = TapeLineFields(line);
    TTapeRow row;
    for (size_t i = 0; i < fields.count; ++i)
        row.SetField(static_cast<TTapeField>(i), fields.fields[i]);
    linkField = fields.count > static_cast<size_t>(TTapeField::Link);
    return row;
}
