#pragma once

// The example loan of the tests: one million units, held in hundredths.
inline constexpr double kMillion = 100'000'000;
