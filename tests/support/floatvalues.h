#pragma once

// The doubles that are no ordinary number, for the tests that feed them to
// the number and date routines.

#include <limits>

inline constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
inline constexpr double kInf = std::numeric_limits<double>::infinity();
