// The tape's changes as journal records: the recorder, one action a record.

#include "tape/tapejournal.h"

#include "basic/journalfile.h"
#include "tape/taperow.h"

namespace {

using TKind = TJournalChange;

void PutNumber(std::string& out, uint32_t value) {
    while (value >= 0x80) {
        out += static_cast<char>((value & 0x7F) | 0x80);
        value >>= 7;
    }
    out += static_cast<char>(value);
}

void PutText(std::string& out, std::string_view text) {
    PutNumber(out, static_cast<uint32_t>(text.size()));
    out += text;
}

void PutRow(std::string& out, const TTapeRow& row) {
    PutText(out, row.Value());
    PutText(out, row.OperatorField());
    PutText(out, row.Link());
    PutText(out, row.Comment());
}

bool Coalesces(TKind kind) {
    return kind == TKind::RowWritten || kind == TKind::RowCountSet || kind == TKind::LinkFieldSet ||
           kind == TKind::CurrentRowSet;
}

}  // namespace

// ---- Recording ------------------------------------------------------------

void TTapeRecorder::Begin(TKind kind, int64_t subject) {
    if (!changes_.empty() && kind == lastKind_ && subject == lastSubject_ && Coalesces(kind)) {
        changes_.resize(lastStart_);
    }
    lastStart_ = changes_.size();
    lastKind_ = kind;
    lastSubject_ = subject;
    PutNumber(changes_, static_cast<uint32_t>(kind));
}

// Past the largest action nothing more is kept: the action is not recorded.
bool TTapeRecorder::Full() {
    if (!tooLarge_ && changes_.size() > kLargestAction) GiveUp();
    return tooLarge_;
}

void TTapeRecorder::GiveUp() {
    tooLarge_ = true;
    std::string().swap(changes_);
}

void TTapeRecorder::RowWritten(int32_t row, const TTapeRow& content) {
    if (tooLarge_) return;
    Begin(TKind::RowWritten, row);
    PutNumber(changes_, static_cast<uint32_t>(row));
    PutRow(changes_, content);
    Full();
}

void TTapeRecorder::RowMoved(int32_t from, int32_t to) {
    if (tooLarge_) return;
    Begin(TKind::RowMoved, -1);
    PutNumber(changes_, static_cast<uint32_t>(from));
    PutNumber(changes_, static_cast<uint32_t>(to));
    Full();
}

void TTapeRecorder::RowRemoved(int32_t row) {
    if (tooLarge_) return;
    Begin(TKind::RowRemoved, -1);
    PutNumber(changes_, static_cast<uint32_t>(row));
    Full();
}

void TTapeRecorder::RowPutIn(int32_t row, const TTapeRow& content) {
    if (tooLarge_) return;
    Begin(TKind::RowPutIn, -1);
    PutNumber(changes_, static_cast<uint32_t>(row));
    PutRow(changes_, content);
    Full();
}

void TTapeRecorder::RowCountSet(int32_t rows) {
    if (tooLarge_) return;
    Begin(TKind::RowCountSet, 0);
    PutNumber(changes_, static_cast<uint32_t>(rows));
    Full();
}

void TTapeRecorder::LinkFieldSet(bool on) {
    if (tooLarge_) return;
    Begin(TKind::LinkFieldSet, 0);
    PutNumber(changes_, on ? 1 : 0);
    Full();
}

void TTapeRecorder::RowsReplaced(int32_t first, std::span<const TTapeRow> rows) {
    if (tooLarge_) return;
    if (rows.size() > kLargestAction / kSmallestRecordedRow) return GiveUp();
    Begin(TKind::RowsReplaced, -1);
    PutNumber(changes_, static_cast<uint32_t>(first));
    PutNumber(changes_, static_cast<uint32_t>(rows.size()));
    for (const TTapeRow& row : rows) {
        PutRow(changes_, row);
        if (Full()) return;
    }
}

void TTapeRecorder::CurrentRowSet(int32_t row) {
    if (tooLarge_) return;
    Begin(TKind::CurrentRowSet, 0);
    PutNumber(changes_, static_cast<uint32_t>(row));
    Full();
}

void TTapeRecorder::Setting(std::string_view key, std::string_view value) {
    if (tooLarge_) return;
    Begin(TKind::Setting, -1);
    PutText(changes_, key);
    PutText(changes_, value);
    Full();
}

bool TTapeRecorder::Seal(std::string& journal) {
    const bool recorded = !tooLarge_;
    if (recorded && !changes_.empty())
        AppendJournalRecord(journal, static_cast<uint8_t>(TJournalRecordType::Action), changes_);
    Drop();
    return recorded;
}

void TTapeRecorder::Drop() {
    changes_.clear();
    tooLarge_ = false;
    lastStart_ = 0;
    lastSubject_ = -1;
}
