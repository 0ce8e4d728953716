// TTapeEngine: the commands of the tape (recall, link, clear, open and delete
// rows) and the currency conversion.

#include "basic/numbertext.h"
#include "tape/tapeengine.h"
#include "tape/tapenumbers.h"

namespace {

// Holds the evaluation back for as long as it lives.
class SuspendRecalc {
public:
    explicit SuspendRecalc(bool& flag) : flag_(flag) { flag_ = true; }
    ~SuspendRecalc() { flag_ = false; }
    SuspendRecalc(const SuspendRecalc&) = delete;
    SuspendRecalc& operator=(const SuspendRecalc&) = delete;

private:
    bool& flag_;
};

}  // namespace

// Typing then starts a new number, while Enter repeats the recalled row at
// the end of the tape as a link.
void TTapeEngine::RecallRow() {
    Action action(*this);
    SetEntryText(Value(CurrentRow()));
    ShowRunningValue();
    newEntryPending_ = true;
}

void TTapeEngine::PaperDblClick() {
    Action action(*this);
    if (UsedRows() == 0) return;
    SelectRow(UsedRows() - 1);
    EnterEntry();
}

// A row without a value is not linked: the link would empty the last row.
void TTapeEngine::LinkValue() {
    Action action(*this);
    const int32_t source = CurrentRow();
    const std::string value = Value(source);
    if (value.empty()) return;
    WriteValue(UsedRows(), value);
    SelectRow(UsedRows() - 1);
    WriteLink(CurrentRow(), IntToText(source));
    ShowRunningValue();
}

// The entry and the subtotal keep their texts.
void TTapeEngine::ClearTape() {
    Action action(*this);
    tape_.Clear();
    SelectRow(0);
}

void TTapeEngine::ReplaceTape(std::vector<TTapeRow> rows, bool linkField) {
    Action action(*this);
    tape_.ReplaceRows(std::move(rows), linkField);
    if (UsedRows() > 0 && AsksForComputedRow(Operator(UsedRows() - 1))) RecalcTape(UsedRows());
    SelectRow(UsedRows());
    ShowSubtotal(0);
    newEntryPending_ = true;
}

// The rows from the current one down move one row lower and the opened row
// takes the operator of the row above (unless that is "=" or "G"). Links follow the
// rows they point at. Past the first free row nothing opens, no link changes,
// and the row above becomes current.
void TTapeEngine::OpenRow() {
    Action action(*this);
    const bool opens = CurrentRow() <= UsedRows();
    tape_.InsertRow(CurrentRow());
    if (CurrentRow() > 0) SelectRow(CurrentRow() - 1);
    const int32_t opened = CurrentRow();
    const std::string above(opened == 0 ? OperatorText(TTapeOperator::Plus)
                                        : tape_.Field(opened - 1, TTapeField::Operator));
    if (!AsksForResult(OperatorFromText(above))) {
        tape_.WriteField(opened, TTapeField::Operator, above);
    }
    if (opens) {
        RenumberLinks([opened](double index, const std::string& link) {
            return index >= opened ? FloatToPlainText(index + 1) : link;
        });
    }
    ShowRunningValue();
}

// Every link of the tape (and of the first free row) becomes the text
// `renumbered` gives for its index; an empty text removes it.
void TTapeEngine::RenumberLinks(const TRenumber& renumbered) {
    const int32_t used = UsedRows();
    for (int32_t row = 0; row <= used; ++row) {
        const std::string link(tape_.Field(row, TTapeField::Link));
        if (!link.empty()) WriteLink(row, renumbered(TapeNumber(link), link));
    }
}

// A total, grand total or percent amount that loses its row loses its
// request too; links
// to the deleted row are removed and links below it follow their rows.
void TTapeEngine::DeleteTapeRow() {
    Action action(*this);
    {
        SuspendRecalc suspended(recalcSuspended_);
        const int32_t deleted = CurrentRow();
        const bool wasLast = deleted >= UsedRows() - 1;
        tape_.DeleteRow(deleted);
        if (AsksForComputedRow(Operator(deleted - 1)))
            WriteOperator(deleted - 1, TTapeOperator::None);
        RenumberLinks([deleted](double index, const std::string& link) {
            if (index > deleted) return FloatToPlainText(index - 1);
            return index == deleted ? std::string() : link;
        });
        if (wasLast && UsedRows() > 0) SelectRow(UsedRows() - 1);
    }
    ShowRunningValue();
}

// Rates (rows carrying "%") keep their numbers; empty values become 0.
void TTapeEngine::ConvertTape(TConversion direction) {
    Action action(*this);
    tape_.RecordAllRows();
    const int32_t used = UsedRows();
    for (int32_t row = 0; row < used; ++row) {
        // A rate, and a number that multiplies or divides, is no amount.
        if (Operator(row) == TTapeOperator::Percent) continue;
        if (row > 0 && (Operator(row - 1) == TTapeOperator::Times ||
                        Operator(row - 1) == TTapeOperator::Divide))
            continue;
        const long double value = Number(row);
        WriteValue(row,
                   FloatToPlainText(direction == TConversion::ToPesetas ? value * kPesetesPerEuro
                                                                        : value / kPesetesPerEuro));
    }
    Refresh();
}

void TTapeEngine::Edit(const TTapeEdit& edit) {
    Action action(*this);
    std::visit(
        [this](const auto& e) {
            using T = std::decay_t<decltype(e)>;
            if constexpr (std::is_same_v<T, TFieldEdit>) {
                tape_.WriteField(e.row, e.field, e.text);
            } else if constexpr (std::is_same_v<T, TRoomEdit>) {
                tape_.SetRowCount(e.rows);
            } else if constexpr (std::is_same_v<T, TRowMoveEdit>) {
                tape_.MoveRow(e.from, e.to);
            } else {
                tape_.RemoveRow(e.row);
            }
        },
        edit);
}
