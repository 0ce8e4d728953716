#pragma once

// The row model of the paper tape: the fields of a row and the operator keys
// as values.
//
// Every row of the tape holds a value (a typed text such as 12,5 or a
// stored-form text such as 17.5 written by the evaluation), the operator that
// followed it, optionally the index of another row whose value it repeats (the
// link), and a free comment.

#include <cstdint>
#include <string_view>

// The fields of a tape row, in the order a tape line lists them.
enum class TTapeField : uint8_t { Value, Operator, Link, Comment };
inline constexpr int kTapeFieldCount = 4;

// The operator of a row. GrandTotal ("G", the key "g") asks for the sum of the
// totals since row 0 or since the grand total before it on the next row.
// Other is any text that is none of the seven (pasted or read from a file):
// it matches no step of the evaluation, yet, not being empty, it does not
// end a calculation either.
enum class TTapeOperator : uint8_t {
    None,
    Plus,
    Minus,
    Times,
    Divide,
    Total,
    Percent,
    GrandTotal,
    Other
};

// "+", "-", "x", "/", "=", "%", "G"; the empty text for None and Other.
std::string_view OperatorText(TTapeOperator op);
TTapeOperator OperatorFromText(std::string_view text);

// "=" and "G": the row after one carrying it holds a result the evaluation
// writes (a total, a grand total), and a new calculation starts after that.
constexpr bool AsksForResult(TTapeOperator op) {
    return op == TTapeOperator::Total || op == TTapeOperator::GrandTotal;
}
// The operators whose next row the evaluation writes: "=", "G" and "%" (a
// percent amount).
constexpr bool AsksForComputedRow(TTapeOperator op) {
    return AsksForResult(op) || op == TTapeOperator::Percent;
}
