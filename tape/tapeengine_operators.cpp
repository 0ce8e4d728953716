// TTapeEngine: the operator keys and Enter, which write the entry on the tape.

#include "basic/numbertext.h"
#include "tape/tapeengine.h"

// Every step reads the current row afresh: the steps before it may have moved
// it.
void TTapeEngine::ApplyOperator(std::string entry, TTapeOperator op) {
    Action action(*this);
    // "=" on an empty entry and a row without operator only moves down. The
    // subtotal follows the row it moved to, so that after "+ Iva" or Enter on
    // a percent amount it shows the result rather than the number before it.
    if (op == TTapeOperator::Total && entry.empty() &&
        CurrentRowOperator() == TTapeOperator::None) {
        SelectRow(CurrentRow() + 1);
        SetEntryText(Value(CurrentRow()));
        ShowRunningValue();
        return;
    }
    // Another operator on an empty entry re-enters the row above, so that its
    // operator is replaced.
    if (entry.empty() && op != TTapeOperator::Total && CurrentRow() > 0) {
        SelectRow(CurrentRow() - 1);
        entry = Value(CurrentRow());
        SetEntryText(entry);
    }
    // Read before anything is written: a lone comma throws here.
    const double number = TextToFloat(entry);
    bool live = number != 0;
    // A new number typed on the total or percent amount that ends the tape
    // would be overwritten by the evaluation: it goes on the next row instead.
    if (!entry.empty() && TypedOverComputedLastRow(number)) SelectRow(CurrentRow() + 1);

    const int32_t row = CurrentRow();
    WriteValue(row, entry);
    // A zero or empty entry neither sets an operator nor moves on; "=" right
    // after a row that already carries "=" (or "G") only writes the value.
    if (live && op != TTapeOperator::None) {
        if (op != TTapeOperator::Total) {
            WriteOperator(row, op);
        } else if (AsksForResult(PreviousRowOperator())) {
            live = false;
            newEntryPending_ = false;
        } else {
            WriteOperator(row, TTapeOperator::Total);
        }
    }
    if (live) SelectRow(row + 1);
    SetEntryText(Value(CurrentRow()));
    ShowRunningValue();
}

// The current row is a computed row (after "=", "G" or "%") that ends the tape,
// and the typed number differs from the one it holds. An entry equal to it
// (Enter showed the total) continues from the total, and a computed row in
// the middle of the tape is written as it always was, so no row below is
// touched.
bool TTapeEngine::TypedOverComputedLastRow(double number) const {
    const int32_t row = CurrentRow();
    if (row == 0 || row != UsedRows() - 1) return false;
    if (!AsksForComputedRow(Operator(row - 1))) return false;
    return number != Number(row);
}

// The current row and the used row count are read afresh at every step.
void TTapeEngine::EnterEntry() {
    Action action(*this);
    // A row recalled from above (a click on the tape) is repeated at the end
    // as a link, when the last row waits for a number.
    if (newEntryPending_ && CurrentRow() < UsedRows() - 1) {
        const TTapeOperator last = Operator(UsedRows() - 1);
        if (last != TTapeOperator::None && !AsksForResult(last)) {
            LinkRecalledRow();
            return;
        }
    }
    // Read before anything is written: a lone comma throws here.
    const bool entryIsZero = TextToFloat(entryText_) == 0;
    // On the last row, Enter ends the calculation there.
    if (CurrentRow() == UsedRows() - 1) WriteOperator(CurrentRow(), TTapeOperator::None);
    // On the first free row with nothing typed, the row above asks for the
    // total, unless the row before it already asked for one (or for a grand
    // total).
    if (CurrentRow() == UsedRows() && entryIsZero && !AsksForResult(Operator(CurrentRow() - 2))) {
        WriteOperator(CurrentRow() - 1, TTapeOperator::Total);
    }
    if (CurrentRowOperator() != TTapeOperator::None || AsksForResult(PreviousRowOperator())) {
        ApplyOperator(entryText_, TTapeOperator::None);
    } else {
        ApplyOperator(entryText_, TTapeOperator::Total);
    }
    newEntryPending_ = true;
    // Shows a total just computed.
    SetEntryText(Value(CurrentRow()));
}

// The link goes into the first free row, which becomes current; its value
// arrives with the next evaluation.
void TTapeEngine::LinkRecalledRow() {
    const int32_t source = CurrentRow();
    WriteLink(UsedRows(), IntToText(source));
    SelectRow(UsedRows() - 1);
    SetEntryText(Value(CurrentRow()));
}
