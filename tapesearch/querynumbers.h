#pragma once

// The numbers a typed search text may stand for. A person types or copies a
// number in whichever form they know, so every form reads:
//  - a comma or a point marks the decimals: 1250,5 and 1250.50;
//  - thousands grouped by points, commas, blanks (also the no-break and thin
//    spaces), apostrophes or the region's separator, in groups of three:
//    1.250,50 and 1,250.50 and 1 250,50 and 1'250.5;
//  - a leading minus or plus sign (also U+2212), blanks around the number;
//  - a separator that starts or ends the number: ,5 is 0.5 and 12, is 12,
//    as the calculator reads a number being typed.
// A text that reads both ways gives both numbers: 1.250 and 1,250 are 1250
// (a group of thousands) and 1.25 (decimals). Groups must all use the same
// separator, have three digits after the first one, and the first starts
// with no 0: 1.250.000 is 1250000 only, 12,5 and 0,250 are decimals only.
// A decimal separator is not the one that groups: 1.250,5 is 1250.5 and
// 1.250.5 is no number. Anything else in the text (a letter, a currency sign,
// two separators in a row, no digit at all) makes it no number: the result
// is then empty.

#include <string_view>
#include <vector>

// The numbers of `typed` (UTF-8): none, one, or two (the reading as grouped
// thousands first).
std::vector<double> QueryNumbers(std::string_view typed);
