#pragma once

// Where a row of a list ends up when one row is taken out and put in again
// elsewhere: the rows between shift by one towards the place it left.

#include <cstdint>

constexpr int32_t RowAfterMove(int32_t row, int32_t from, int32_t to) {
    if (row == from) return to;
    if (from < to && row > from && row <= to) return row - 1;
    if (from > to && row >= to && row < from) return row + 1;
    return row;
}
