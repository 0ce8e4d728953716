// TTapeEngine: the evaluation of the tape.

#include <algorithm>

#include "basic/numbertext.h"
#include "tape/tapeengine.h"
#include "tape/tapenumbers.h"

namespace {

// The running value after one of the four operations, or `acc` unchanged when
// the operation does not apply (a rate about to be taken by "%", a zero
// divisor). `applied` tells which.
double Combine(double acc, TTapeOperator op, TTapeOperator next, double operand, bool& applied) {
    applied = true;
    switch (op) {
        case TTapeOperator::Plus:
            if (next != TTapeOperator::Percent) return acc + operand;
            break;
        case TTapeOperator::Minus:
            if (next != TTapeOperator::Percent) return acc - operand;
            break;
        case TTapeOperator::Times:
            return acc * operand;
        case TTapeOperator::Divide:
            if (operand != 0) return acc / operand;
            break;
        default:
            break;
    }
    applied = false;
    return acc;
}

bool TakesOperand(TTapeOperator op) {
    return op == TTapeOperator::Plus || op == TTapeOperator::Minus || op == TTapeOperator::Times ||
           op == TTapeOperator::Divide;
}

}  // namespace

void TTapeEngine::DirtyRows::TapeRowsChanged(int32_t first, int32_t) {
    from_ = std::min(from_, std::max(first, 0));
}

// A row whose link names a row below it takes that row's value as the last
// pass left it, so such a row is evaluated again at every pass.
double TTapeEngine::RecalcTape(int32_t target) {
    if (recalcSuspended_) return 0;
    Action action(*this);
    const int32_t last = UsedRows() + 1;
    int32_t from = std::min(dirtyFrom_, tape_.FirstForwardLink());
    if (evaluatedTo_ != last) from = std::min(from, evaluatedTo_ + 1);
    if (from <= last) Evaluate(from);
    FocusTape();
    return ResultAt(target);
}

double TTapeEngine::ResultAt(int32_t target) const {
    if (target < 0 || target > evaluatedTo_) return 0;
    return resultAt_[static_cast<size_t>(target)];
}

// The tape is evaluated with a running value `acc`. The operator of row r
// combines the running value with the number of row r + 1; a row without
// operator ends a calculation and the next one starts from the row after it.
// A row after "%" receives the percentage (the number of the "%" row taken of
// the number above it) and a row after "=" the total. A linked row takes its
// source's value just before its own value is first used. The pass reaches
// one row past the last used row, so a total or percent amount due after the
// last row is written there. It starts at row `first`, from the running value
// kept for the row above; rows above `first` are as the last pass left them.
//
// With every number rounded, a row is rounded just after the step that used
// it: a pass reads a number typed since the last pass as typed, and the next
// pass reads it rounded. The next pass therefore starts again at the first
// row this one rounded.
void TTapeEngine::Evaluate(int32_t first) {
    const auto refreshLink = [this](int32_t row) {
        const TTapeRow& r = tape_.Row(row);
        if (r.HasLink()) WriteValue(row, std::string(Value(r.LinkSource())));
    };
    const auto rounded = [this](double value) { return RoundedAt(value, options_.decimals); };
    const int32_t last = UsedRows() + 1;
    runningAfter_.resize(static_cast<size_t>(last) + 1);
    resultAt_.resize(static_cast<size_t>(last) + 1);

    int32_t row = std::max(first, 1);
    double acc = 0;
    TTapeOperator op = TTapeOperator::Plus;
    if (first <= 0) {
        refreshLink(0);
        acc = Number(0);
        runningAfter_[0] = resultAt_[0] = acc;
    } else {
        acc = runningAfter_[static_cast<size_t>(row - 1)];
        if (row >= 2) op = Operator(row - 2);
    }
    TTapeOperator next = Operator(row - 1);
    int32_t roundedFrom = TTapeDocument::kNoRow;
    for (; row <= last; ++row) {
        // Every value is rewritten in fixed form; an empty cell stays empty, so
        // the rows after the tape are never filled with zeros.
        if (options_.roundAll && !Value(row - 1).empty()) {
            const std::string fixed = FloatToFixedText(Number(row - 1), options_.decimals);
            if (fixed != Value(row - 1)) {
                WriteValue(row - 1, fixed);
                roundedFrom = std::min(roundedFrom, row - 1);
            }
        }
        const TTapeOperator prev = op;
        op = next;
        next = Operator(row);
        refreshLink(row);
        // Row `row - 1` started a new calculation: its number is the running
        // value from there on, also as the value after that row.
        if (prev == TTapeOperator::None) {
            acc = Number(row - 1);
            resultAt_[static_cast<size_t>(row - 1)] = acc;
        }
        if (TakesOperand(op)) {
            bool applied = false;
            acc = Combine(acc, op, next, Number(row), applied);
            if (applied && options_.roundCalculations) acc = rounded(acc);
        }
        if (op == TTapeOperator::Percent) {
            double amount = Number(row - 1) * Number(row - 2) / 100;
            if (options_.roundCalculations) amount = rounded(amount);
            WriteValue(row, PlainTextOf(amount));
            if (prev == TTapeOperator::Plus) acc += amount;
            if (prev == TTapeOperator::Minus) acc -= amount;
            if (prev == TTapeOperator::Times) acc = amount;
        }
        resultAt_[static_cast<size_t>(row)] = acc;
        if (op == TTapeOperator::Total) {
            if (options_.roundTotals) acc = rounded(acc);
            WriteValue(row, PlainTextOf(acc));
        }
        runningAfter_[static_cast<size_t>(row)] = acc;
    }
    evaluatedTo_ = last;
    dirtyFrom_ = roundedFrom;
}
