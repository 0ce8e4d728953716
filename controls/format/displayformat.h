#pragma once

// How a grid column or a panel shows its text. The values are the numbers the
// forms store: the column kinds of TColumnaGrid::Tipus (0 to 8) and the
// formats of TPanelEx::TipusFormateig (2, 5 and 6 on a panel). A number
// beyond these shows the text as it is; a negative column kind is drawn the
// base grid's way.

#include <cstdint>
#include <string>

enum class TDisplayFormat : int32_t {
    BaseWay = -1,     // (any negative kind) the base grid draws the cell
    Text = 0,         // the text; a column of length 1 centres it
    CentredText = 1,  // the text, centred
    Date = 2,         // FormatDateText with the length as its mode
    OtherText = 3,    // shown as Text
    ZeroPadded = 4,   // a positive number's digits zero-padded to the length
    Number = 5,       // FormatNumber with the decimals as its code
    Hundredths = 6,   // the number / 100, FormatNumber with the decimals (2 when 0)
    LeftText = 7,     // the text, on the left
    Time = 8,         // FormatTimeText with the length as its mode
};

constexpr bool IsBaseWay(TDisplayFormat format) {
    return static_cast<int32_t>(format) < 0;
}

// The formats that read the text as a number.
constexpr bool IsNumberFormat(TDisplayFormat format) {
    return format == TDisplayFormat::ZeroPadded || format == TDisplayFormat::Number ||
           format == TDisplayFormat::Hundredths;
}

// The text as the format shows it, with the column's length and decimals. A
// text the format cannot read (no number, such as a lone comma) and a
// padding length outside 0 to 255 show the text as it stands.
std::string FormattedText(TDisplayFormat format, const std::string& text, int32_t length,
                          int32_t decimals);
