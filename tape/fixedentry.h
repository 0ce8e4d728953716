#pragma once

// The fixed-decimal entry of an adding machine ("ADD"): while it is on, a
// number typed without a decimal separator gets the tape's decimals as it is
// typed, its digits filling it from the right. With 2 decimals, 1, 2, 3, 4
// show 0,01, 0,12, 1,23, 12,34. A typed comma ends it for that number, which
// goes on from its digits as they were typed: 1, 2, comma, 5 gives 12,5.
//
// A shaped entry is always an optional minus, whole digits, a comma and
// exactly `decimals` digits, so its digits can be read back from its text.

#include <cstdint>
#include <string>

#include "tape/tapekeys.h"

// The entry after an entry key (a digit, the comma, the sign key) on a shaped
// entry ("" for a number not begun). `shaped` becomes false when the key ends
// the shaping (the comma). The sign key leaves an entry worth 0 as it is.
std::string ShapedEntryAfterKey(const std::string& entry, TTapeKey key, int32_t decimals,
                                bool& shaped);
// A shaped entry without its last digit: 12,34 gives 1,23, and 0,05 nothing.
std::string ShapedEntryWithoutLastDigit(const std::string& entry, int32_t decimals);
