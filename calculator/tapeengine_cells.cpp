// TTapeEngine: reading and writing the cells of the tape, and the operators of
// the current row.

#include "calculator/tapeengine.h"
#include "calculator/tapenumbers.h"
#include "controls/grid/gridex.h"

std::string TTapeEngine::Value(int32_t row) const {
    return paper_.LlegirCella(row, kValueColumn);
}

double TTapeEngine::Number(int32_t row) const {
    return TapeNumber(paper_.LlegirCella(row, kValueColumn));
}

TTapeOperator TTapeEngine::Operator(int32_t row) const {
    return OperatorFromText(paper_.LlegirCella(row, kOperatorColumn));
}

std::string TTapeEngine::Link(int32_t row) const {
    return paper_.LlegirCella(row, kLinkColumn);
}

void TTapeEngine::WriteValue(int32_t row, const std::string& text) {
    paper_.EscriureCella(row, kValueColumn, text);
}

void TTapeEngine::WriteOperator(int32_t row, TTapeOperator op) {
    paper_.EscriureCella(row, kOperatorColumn, std::string(OperatorText(op)));
}

void TTapeEngine::WriteLink(int32_t row, const std::string& text) {
    paper_.EscriureCella(row, kLinkColumn, text);
}

int32_t TTapeEngine::CurrentRow() const {
    return paper_.FilaActual();
}

int32_t TTapeEngine::UsedRows() const {
    return paper_.FilesUsades();
}

void TTapeEngine::SelectRow(int32_t row) {
    paper_.PosarFilaActual(row);
}

TTapeOperator TTapeEngine::CurrentRowOperator() const {
    return Operator(CurrentRow());
}

TTapeOperator TTapeEngine::PreviousRowOperator() const {
    const int32_t row = CurrentRow();
    return row == 0 ? TTapeOperator::Plus : Operator(row - 1);
}
