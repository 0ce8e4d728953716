#pragma once

// How a row of the tape stands out, wherever the tape is drawn: on screen
// and on paper. A total (the row after one that carries "=") is red and
// bold, a grand total (the row after one that carries "G") red and bold under
// a double rule, a percent amount (the row after one that carries "%") bold,
// and a linked row grey whatever else it is; every other row is black. A
// comment is written in a quiet grey, never bold. A total shows the items of
// its calculation in grey at the left of its value ("3 ·"), a grand total
// the totals it sums after "GT" ("GT 2 ·").

#include <cstdint>
#include <string>

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
// The count of a total or grand total.
inline constexpr TTapeInk kCountInk{128, 128, 128};
// The background of the operator column, which sets the operators apart
// from the values.
inline constexpr TTapeInk kOperatorStripInk{240, 240, 240};

// The colour and weight of a row's value and operator.
struct TTapeRowLook {
    TTapeInk ink = kPlainInk;
    bool bold = false;
    // A double rule above the row, in the row's ink.
    bool doubleRule = false;
    friend bool operator==(const TTapeRowLook&, const TTapeRowLook&) = default;
};

// Any row, also one past the used rows (which is plain).
TTapeRowLook TapeRowLook(const TTapeDocument& tape, int32_t row);

// The count a row shows at the left of its value ("3 ·", "GT 2 ·"); empty for
// a row that is no total.
std::string TapeCountMark(const TTapeDocument& tape, int32_t row);
// The same for the running value after row `row` (the calculation being
// typed, beside the subtotal); empty while it counts nothing.
std::string RunningCountMark(const TTapeDocument& tape, int32_t row);
