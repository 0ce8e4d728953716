// TTapeEngine: the keys of a desk printing calculator beside the tape: the
// grand total and the memory.

#include <cmath>

#include "basic/numbertext.h"
#include "tape/tapeengine.h"
#include "tape/tapenumbers.h"

// A number typed is totalled first, as "=" does; then the grand total goes
// on the row after the last total, which carries "G", and the first free row
// after it becomes current, so that the subtotal shows the grand total and
// the next number starts a new calculation. With nothing to sum (an empty
// tape, a grand total just made) the key does nothing.
void TTapeEngine::GrandTotalKey() {
    Action action(*this);
    if (!newEntryPending_ && !entryText_.empty()) TeclaIgualClick();
    if (!EndWithTotal()) return;
    const int32_t lastTotal = UsedRows() - 1;
    WriteOperator(lastTotal, TTapeOperator::GrandTotal);
    SelectRow(lastTotal + 2);
    SetEntryText({});
    newEntryPending_ = true;
    ShowRunningValue();
}

// Makes the last used row a total row without operator: a calculation left
// open at the end of the tape (a number with an operator and none after it,
// a percent amount, a lone number) gets "=" on its last row, as Enter gives
// it, and a total the calculation went on from with no number after it ends
// there. False when the tape is empty or ends with a grand total.
bool TTapeEngine::EndWithTotal() {
    const int32_t last = UsedRows() - 1;
    if (last < 0) return false;
    const TTapeOperator above = Operator(last - 1);
    if (above == TTapeOperator::GrandTotal && Operator(last) == TTapeOperator::None) return false;
    if (above == TTapeOperator::Total) {
        WriteOperator(last, TTapeOperator::None);
        return true;
    }
    WriteOperator(last, TTapeOperator::Total);
    RecalcTape(last + 1);
    return true;
}

// M+ and M- read the entry before anything changes (a lone comma throws
// there); after them the next digit starts a new number, and the entry is
// not written on the tape. A sum past the range of a double leaves the
// memory as it was.
void TTapeEngine::MemoryKey(TTapeKey key) {
    Action action(*this);
    switch (key) {
        case TTapeKey::MemoryAdd:
        case TTapeKey::MemorySubtract: {
            const double amount =
                entryText_.empty() ? RecalcTape(CurrentRow() - 1) : TextToFloat(entryText_);
            double sum = key == TTapeKey::MemoryAdd ? memory_ + amount : memory_ - amount;
            if (options_.roundCalculations) sum = RoundedAt(sum, options_.decimals);
            if (std::isfinite(sum)) SetMemory(sum);
            newEntryPending_ = true;
            return;
        }
        case TTapeKey::MemoryRecall: {
            std::string typed = ExactText(memory_);
            for (char& c : typed) {
                if (c == '.') c = ',';
            }
            SetEntryText(typed);
            newEntryPending_ = false;
            return;
        }
        case TTapeKey::MemoryClear:
            return SetMemory(0);
        default:
            return;
    }
}

void TTapeEngine::SetMemory(double memory) {
    if (memory == memory_) return;
    memory_ = memory;
    Q_EMIT SettingsChanged();
}
