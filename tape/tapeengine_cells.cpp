// TTapeEngine: writing the fields of the tape, and the operators around the
// current row.

#include "tape/tapeengine.h"

void TTapeEngine::WriteValue(int32_t row, const std::string& text) {
    tape_.WriteField(row, TTapeField::Value, text);
}

void TTapeEngine::WriteOperator(int32_t row, TTapeOperator op) {
    tape_.WriteField(row, TTapeField::Operator, OperatorText(op));
}

void TTapeEngine::WriteLink(int32_t row, const std::string& text) {
    tape_.WriteField(row, TTapeField::Link, text);
}

void TTapeEngine::SelectRow(int32_t row) {
    tape_.SetCurrentRow(row);
}

TTapeOperator TTapeEngine::CurrentRowOperator() const {
    return Operator(CurrentRow());
}

TTapeOperator TTapeEngine::PreviousRowOperator() const {
    const int32_t row = CurrentRow();
    return row == 0 ? TTapeOperator::Plus : Operator(row - 1);
}
