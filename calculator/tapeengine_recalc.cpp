// TTapeEngine: the evaluation of the tape.

#include "basic/numbertext.h"
#include "calculator/tapeengine.h"
#include "calculator/tapenumbers.h"
#include "controls/grid/gridex.h"

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

// The tape is evaluated from row 0 with a running value `acc`. The operator of
// row r combines the running value with the number of row r + 1; a row without
// operator ends a calculation and the next one starts from the row after it.
// A row after "%" receives the percentage (the number of the "%" row taken of
// the number above it) and a row after "=" the total. A linked row takes its
// source's value just before its own value is first used, so one evaluation
// is always complete. The loop reaches one row past the last used row, so a
// total or percent amount due after the last row is written there.
double TTapeEngine::RecalcTape(int32_t target) {
    if (recalcSuspended_) return 0;
    const auto refreshLink = [this](int32_t row) {
        const std::string link = Link(row);
        if (!link.empty()) WriteValue(row, Value(TextToInt(link)));
    };
    const auto rounded = [this](double value) { return RoundedAt(value, decimals_); };

    refreshLink(0);
    double acc = Number(0);
    double result = target == 0 ? acc : 0;
    TTapeOperator op = TTapeOperator::Plus;
    TTapeOperator next = Operator(0);
    const int32_t last = UsedRows() + 1;
    for (int32_t row = 1; row <= last; ++row) {
        // Every value is rewritten in fixed form; an empty cell stays empty, so
        // the rows after the tape are never filled with zeros.
        if (roundAll_) {
            const std::string text = Value(row - 1);
            if (!text.empty()) WriteValue(row - 1, FloatToFixedText(TapeNumber(text), decimals_));
        }
        const TTapeOperator prev = op;
        op = next;
        next = Operator(row);
        refreshLink(row);
        // Row `row - 1` started a new calculation: its number is the running
        // value from there on, also as the value after that row.
        if (prev == TTapeOperator::None) {
            acc = Number(row - 1);
            if (row - 1 == target) result = acc;
        }
        if (TakesOperand(op)) {
            bool applied = false;
            acc = Combine(acc, op, next, Number(row), applied);
            if (applied && roundCalculations_) acc = rounded(acc);
        }
        if (op == TTapeOperator::Percent) {
            double amount = Number(row - 1) * Number(row - 2) / 100;
            if (roundCalculations_) amount = rounded(amount);
            WriteValue(row, PlainTextOf(amount));
            if (prev == TTapeOperator::Plus) acc += amount;
            if (prev == TTapeOperator::Minus) acc -= amount;
            if (prev == TTapeOperator::Times) acc = amount;
        }
        if (row == target) result = acc;
        if (op == TTapeOperator::Total) {
            if (roundTotals_) acc = rounded(acc);
            WriteValue(row, PlainTextOf(acc));
        }
    }
    FocusTape();
    return result;
}
