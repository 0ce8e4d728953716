#pragma once

// Rounding of the tape's numbers at the chosen decimals.

#include <cstdint>

// The value rounded at `decimals` decimals, exactly as writing it with
// FloatToFixedText and reading it back with TextToFloat would give (its
// decimal expansion to 18 significant digits, a final 5 going away from zero),
// without going through text for the values a tape holds.
double RoundedAt(double value, int32_t decimals);
