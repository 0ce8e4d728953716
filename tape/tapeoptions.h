#pragma once

// The options of the calculator: the decimals the tape shows and rounds
// with, the three rounding options the evaluation applies, the decimal
// separator of copied values and the fixed-decimal entry. Read and set as one
// value.

#include <cstdint>

// The most decimals a value is shown and rounded with.
inline constexpr int32_t kMaxDecimals = 6;

struct TTapeOptions {
    // 0 to kMaxDecimals.
    int32_t decimals = 2;
    // The value written into a total row is rounded to `decimals`.
    bool roundTotals = true;
    // Every intermediate result and percent amount is rounded.
    bool roundCalculations = true;
    // Every value of the tape is rewritten with `decimals` decimals.
    bool roundAll = false;
    // Copied values use a point (on) or a comma (off) as decimal separator;
    // nothing the evaluation writes depends on it.
    bool convertOnCopy = false;
    // "ADD": a number typed without a decimal separator gets `decimals`
    // decimals as it is typed (fixedentry.h); nothing the evaluation writes
    // depends on it.
    bool fixedDecimals = false;

    friend bool operator==(const TTapeOptions&, const TTapeOptions&) = default;
};

// Whether the evaluation writes the same with both: every option but the
// decimal separator of copies and the fixed-decimal entry is the same.
inline bool EvaluatesAlike(TTapeOptions a, TTapeOptions b) {
    a.convertOnCopy = b.convertOnCopy;
    a.fixedDecimals = b.fixedDecimals;
    return a == b;
}
