#pragma once

// How a row of the tape stands out, wherever the tape is drawn: on screen
// and on paper. A total (the row after one that carries "=") is red and
// bold, a percent amount (the row after one that carries "%") bold, and a
// linked row grey whatever else it is; every other row is black. A comment
// is written in a quiet grey, never bold.

#include <cstdint>

class TTapeDocument;

// A colour as red, green and blue from 0 to 255.
struct TTapeInk {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    friend bool operator==(const TTapeInk&, const TTapeInk&) = default;
};

inline constexpr TTapeInk kPlainInk{0, 0, 0};
inline constexpr TTapeInk kTotalInk{255, 0, 0};
inline constexpr TTapeInk kLinkedInk{144, 144, 144};
// A comment, on any row: quieter than the numbers.
inline constexpr TTapeInk kCommentInk{96, 96, 110};
// The background of the operator column, which sets the operators apart
// from the values.
inline constexpr TTapeInk kOperatorStripInk{240, 240, 240};

// The colour and weight of a row's value and operator.
struct TTapeRowLook {
    TTapeInk ink = kPlainInk;
    bool bold = false;
    friend bool operator==(const TTapeRowLook&, const TTapeRowLook&) = default;
};

// Any row, also one past the used rows (which is plain).
TTapeRowLook TapeRowLook(const TTapeDocument& tape, int32_t row);
