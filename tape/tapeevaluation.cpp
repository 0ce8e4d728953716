#include "tape/tapeevaluation.h"

#include <algorithm>

#include "basic/numbertext.h"
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

// The grand total on row `row`: the sum of the total rows above it, up to the
// grand-total row before it. The rows above are evaluated by then.
double TotalsAbove(const TTapeDocument& tape, int32_t row) {
    double sum = 0;
    for (int32_t above = row - 1; above >= 1; --above) {
        const TTapeOperator asked = tape.Operator(above - 1);
        if (asked == TTapeOperator::GrandTotal) break;
        if (asked == TTapeOperator::Total) sum += tape.Number(above);
    }
    return sum;
}

}  // namespace

TTapeEvaluation::TTapeEvaluation(TTapeDocument& tape) : tape_(tape) {
    tape_.AddObserver(this);
}

TTapeEvaluation::~TTapeEvaluation() {
    tape_.RemoveObserver(this);
}

void TTapeEvaluation::TapeRowsChanged(int32_t first, int32_t) {
    dirtyFrom_ = std::min(dirtyFrom_, std::max(first, 0));
}

// A row whose link names a row below it takes that row's value as the last
// pass left it, so such a row is evaluated again at every pass.
void TTapeEvaluation::Update(const TTapeOptions& options) {
    const int32_t last = tape_.UsedRows() + 1;
    int32_t from = std::min(dirtyFrom_, tape_.FirstForwardLink());
    if (evaluatedTo_ != last) from = std::min(from, evaluatedTo_ + 1);
    if (from <= last) Evaluate(from, options);
}

double TTapeEvaluation::ResultAt(int32_t target) const {
    if (target < 0 || target > evaluatedTo_) return 0;
    return resultAt_[static_cast<size_t>(target)];
}

// The pass starts at row `first`, from the running value kept for the row
// above; rows above `first` are as the last pass left them. A linked row
// takes its source's value just before its own value is first used.
//
// With every number rounded, a row is rounded just after the step that used
// it: a pass reads a number typed since the last pass as typed, and the next
// pass reads it rounded. The next pass therefore starts again at the first
// row this one rounded.
void TTapeEvaluation::Evaluate(int32_t first, const TTapeOptions& options) {
    const auto write = [this](int32_t row, const std::string& text) {
        tape_.WriteField(row, TTapeField::Value, text);
    };
    const auto refreshLink = [this, &write](int32_t row) {
        const TTapeRow& r = tape_.Row(row);
        if (r.HasLink()) write(row, std::string(tape_.Value(r.LinkSource())));
    };
    const auto number = [this](int32_t row) { return tape_.Number(row); };
    const auto rounded = [&options](double value) { return RoundedAt(value, options.decimals); };
    const int32_t last = tape_.UsedRows() + 1;
    runningAfter_.resize(static_cast<size_t>(last) + 1);
    resultAt_.resize(static_cast<size_t>(last) + 1);

    int32_t row = std::max(first, 1);
    double acc = 0;
    TTapeOperator op = TTapeOperator::Plus;
    if (first <= 0) {
        refreshLink(0);
        acc = number(0);
        runningAfter_[0] = resultAt_[0] = acc;
    } else {
        acc = runningAfter_[static_cast<size_t>(row - 1)];
        if (row >= 2) op = tape_.Operator(row - 2);
    }
    TTapeOperator next = tape_.Operator(row - 1);
    int32_t roundedFrom = TTapeDocument::kNoRow;
    for (; row <= last; ++row) {
        // Every value is rewritten in fixed form; an empty cell stays empty, so
        // the rows after the tape are never filled with zeros.
        const std::string& value = tape_.Value(row - 1);
        if (options.roundAll && !value.empty()) {
            const std::string fixed = FloatToFixedText(number(row - 1), options.decimals);
            if (fixed != value) {
                write(row - 1, fixed);
                roundedFrom = std::min(roundedFrom, row - 1);
            }
        }
        const TTapeOperator prev = op;
        op = next;
        next = tape_.Operator(row);
        refreshLink(row);
        // Row `row - 1` started a new calculation: its number is the running
        // value from there on, also as the value after that row.
        if (prev == TTapeOperator::None) {
            acc = number(row - 1);
            resultAt_[static_cast<size_t>(row - 1)] = acc;
        }
        if (TakesOperand(op)) {
            bool applied = false;
            acc = Combine(acc, op, next, number(row), applied);
            if (applied && options.roundCalculations) acc = rounded(acc);
        }
        if (op == TTapeOperator::Percent) {
            double amount = number(row - 1) * number(row - 2) / 100;
            if (options.roundCalculations) amount = rounded(amount);
            write(row, PlainTextOf(amount));
            if (prev == TTapeOperator::Plus) acc += amount;
            if (prev == TTapeOperator::Minus) acc -= amount;
            if (prev == TTapeOperator::Times) acc = amount;
        }
        // A grand total ends its calculation like a total, and the next one
        // may go on from it.
        if (op == TTapeOperator::GrandTotal) {
            acc = TotalsAbove(tape_, row);
            if (options.roundTotals) acc = rounded(acc);
            write(row, PlainTextOf(acc));
        }
        resultAt_[static_cast<size_t>(row)] = acc;
        if (op == TTapeOperator::Total) {
            if (options.roundTotals) acc = rounded(acc);
            write(row, PlainTextOf(acc));
        }
        runningAfter_[static_cast<size_t>(row)] = acc;
    }
    evaluatedTo_ = last;
    dirtyFrom_ = roundedFrom;
}
