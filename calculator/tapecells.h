#pragma once

// The row model of the paper tape: which column holds what, the operator keys
// as values, and how a tape cell is read as a number.
//
// Every row of the tape holds a value (column 1: a typed text such as 12,5 or
// a stored-form text such as 17.5 written by the evaluation), the operator
// that followed it (column 2) and, optionally, the index of another row whose
// value it repeats (column 3, the link). Column 0 is hidden and unused.

#include <cstdint>
#include <string_view>

constexpr int32_t kValueColumn = 1;
constexpr int32_t kOperatorColumn = 2;
constexpr int32_t kLinkColumn = 3;

// The operator cell of a row. Other is any text that is none of the six
// (pasted or read from a file): it matches no step of the evaluation, yet,
// not being empty, it does not end a calculation either.
enum class TTapeOperator : uint8_t { None, Plus, Minus, Times, Divide, Total, Percent, Other };

// "+", "-", "x", "/", "=", "%"; the empty text for None and Other.
std::string_view OperatorText(TTapeOperator op);
TTapeOperator OperatorFromText(std::string_view text);
