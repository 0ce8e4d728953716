#pragma once

// What a typed column shows for a cell, and where in the cell it goes.
//
// Kind        | automatic alignment       | text shown
// Text,       | centre when Llargada is 1 | the cell text
//   OtherText |                           |
// CentredText | centre                    | the cell text
// Date        | centre                    | FormatDateText(text, Llargada)
// ZeroPadded  | centre                    | a positive number: its digits zero-padded to Llargada
// Number      | right                     | FormatNumber(value, Decimals)
// Hundredths  | right                     | FormatNumber(value / 100, Decimals, or 2 when 0)
// LeftText    | left                      | the cell text
// Time        | centre                    | FormatTimeText(text, Llargada)
// beyond 8    | left                      | the cell text

#include <string>

#include "controls/grid/gridtypes.h"

// The display text of a cell of a data row. A text the kind cannot read (no
// number, a padding width outside 0..255) is shown as it stands.
std::string CellDisplayText(const TColumnaGrid& column, const std::string& text);

// Left, Centre or Right: the column's own alignment, else the kind's.
TAlineacio CellAlignment(const TColumnaGrid& column);

// Left edge of a text of the given width in the cell [left, right): 3 pixels
// in from the left or right edge, or centred with halves rounded to even.
int AlignedTextX(TAlineacio alignment, int left, int right, int textWidth);
// Top of a text of the given height centred in the cell [top, bottom).
int CenteredTextY(int top, int bottom, int textHeight);
