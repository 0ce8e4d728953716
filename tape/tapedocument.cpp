// TTapeDocument: reading, writing fields, the current row and the observers.

#include "tape/tapedocument.h"

#include <algorithm>

namespace {

constexpr char kFieldSeparator = '\t';

const TTapeRow& EmptyRow() {
    static const TTapeRow kEmpty;
    return kEmpty;
}

}  // namespace

const TTapeRow& TTapeDocument::Row(int32_t row) const {
    return row >= 0 && row < UsedRows() ? rows_[static_cast<size_t>(row)] : EmptyRow();
}

// The value and the operator; the link once links exist; the comment, after
// a link field written even when empty, only on a row that has one.
std::string TTapeDocument::RowText(int32_t row) const {
    const TTapeRow& r = Row(row);
    std::string line = r.Value();
    line += kFieldSeparator;
    line += r.OperatorField();
    const bool comment = !r.Comment().empty();
    if (linkField_ || comment) {
        line += kFieldSeparator;
        line += r.Link();
    }
    if (comment) {
        line += kFieldSeparator;
        line += r.Comment();
    }
    return line;
}

int32_t TTapeDocument::FirstForwardLink() const {
    return forwardLinks_.empty() ? kNoRow : *forwardLinks_.begin();
}

// As a growing grid selects: a row past the room first makes room for it.
void TTapeDocument::SetCurrentRow(int32_t row) {
    row = std::max(row, 0);
    if (row >= rowCount_) GrowTo(std::min(row + 1, kMaxRows));
    if (row >= rowCount_ || row == currentRow_) return;
    currentRow_ = row;
    CurrentRowChanged();
}

void TTapeDocument::RestoreCurrentRow(int32_t row) {
    if (row == currentRow_ || row < 0 || row >= rowCount_) return;
    currentRow_ = row;
    CurrentRowChanged();
}

void TTapeDocument::WriteField(int32_t row, TTapeField field, std::string_view text) {
    if (row < 0 || row >= kMaxRows) return;
    if (field == TTapeField::Link) SetLinkField(true);
    GrowTo(row + 1);
    const std::string comment = field == TTapeField::Comment ? TapeComment(text) : std::string();
    if (field == TTapeField::Comment) text = comment;
    if (Row(row).Field(field) == text) return;
    RecordRow(row);
    EditRow(row).SetField(field, text);
    DropTrailingEmptyRows();
    if (field == TTapeField::Link) NoteLink(row);
    if (sink_ != nullptr) sink_->RowWritten(row, Row(row));
    RowsChanged(row, row);
}

// A line's fields go to the value, the operator, the link and the comment;
// fields past those are not kept.
void TTapeDocument::WriteRowText(int32_t row, const std::string& line) {
    if (row < 0) return;
    const std::vector<std::string> fields = PastedLineFields(line);
    for (size_t i = 0; i < fields.size(); ++i) {
        const auto field = static_cast<TTapeField>(i);
        // The empty link field before a comment is the comment's, not a link's.
        if (field == TTapeField::Link && fields[i].empty() && fields.size() == kTapeFieldCount)
            continue;
        WriteField(row, field, fields[i]);
    }
}

// ---- Rows and room --------------------------------------------------------

TTapeRow& TTapeDocument::EditRow(int32_t row) {
    if (row >= UsedRows()) rows_.resize(static_cast<size_t>(row) + 1);
    return rows_[static_cast<size_t>(row)];
}

void TTapeDocument::DropTrailingEmptyRows() {
    while (!rows_.empty() && rows_.back().IsEmpty())
        rows_.pop_back();
}

void TTapeDocument::GrowTo(int32_t rows) {
    if (rows > rowCount_) SetRowCount(rows);
}

void TTapeDocument::ClampCurrentRow() {
    if (currentRow_ < rowCount_) return;
    currentRow_ = rowCount_ - 1;
    CurrentRowChanged();
}

void TTapeDocument::SetLinkField(bool on) {
    if (linkField_ == on) return;
    Record(TLinkFieldSwap{linkField_});
    linkField_ = on;
    if (sink_ != nullptr) sink_->LinkFieldSet(on);
}

// ---- Links that look ahead ------------------------------------------------

void TTapeDocument::NoteLink(int32_t row) {
    const TTapeRow& r = Row(row);
    if (r.HasLink() && r.LinkSource() > row) {
        forwardLinks_.insert(row);
    } else {
        forwardLinks_.erase(row);
    }
}

void TTapeDocument::FindForwardLinks() {
    forwardLinks_.clear();
    for (int32_t row = 0; row < UsedRows(); ++row) {
        const TTapeRow& r = rows_[static_cast<size_t>(row)];
        if (r.HasLink() && r.LinkSource() > row) forwardLinks_.insert(forwardLinks_.end(), row);
    }
}

// ---- Change log, sink and observers ---------------------------------------

void TTapeDocument::Record(TTapeChange change) {
    if (log_ != nullptr) log_->Add(std::move(change));
}

// What the row was before its first change since rows last moved: a row past
// the used ones is recorded as the start of the rows the action appends.
void TTapeDocument::RecordRow(int32_t row) {
    if (log_ == nullptr || log_->Covers(row)) return;
    if (row >= UsedRows()) {
        log_->Add(TRowsTail{UsedRows(), {}});
    } else {
        log_->Add(TRowSwap{row, Row(row)});
    }
}

void TTapeDocument::RecordAllRows() {
    if (log_ == nullptr || log_->Covers(0)) return;
    log_->Add(TAllRowsSwap{rows_});
}

void TTapeDocument::AddObserver(TTapeObserver* observer) const {
    observers_.push_back(observer);
}

void TTapeDocument::RemoveObserver(TTapeObserver* observer) const {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

void TTapeDocument::RowsReplacedFrom(int32_t first) {
    if (sink_ == nullptr) return;
    const auto from = static_cast<size_t>(std::clamp(first, 0, UsedRows()));
    sink_->RowsReplaced(first, std::span<const TTapeRow>(rows_).subspan(from));
}

// The room and the current row reach the sink with the observers' news, which
// every change of them sends.
void TTapeDocument::RowsChanged(int32_t first, int32_t last) {
    counts_.Forget(first);
    for (TTapeObserver* observer : observers_)
        observer->TapeRowsChanged(first, last);
}

void TTapeDocument::RowCountChanged() {
    if (sink_ != nullptr) sink_->RowCountSet(rowCount_);
    for (TTapeObserver* observer : observers_)
        observer->TapeRowCountChanged();
}

void TTapeDocument::CurrentRowChanged() {
    if (sink_ != nullptr) sink_->CurrentRowSet(currentRow_);
    for (TTapeObserver* observer : observers_)
        observer->TapeCurrentRowChanged();
}
