#pragma once

// The keys of the adding machine, as the engine takes them (TTapeEngine::Press):
// the entry keys that edit the number being typed, the operator keys that
// write it on the tape, the grand total and the memory.

#include <cstdint>

enum class TTapeKey : uint8_t {
    Digit0,
    Digit1,
    Digit2,
    Digit3,
    Digit4,
    Digit5,
    Digit6,
    Digit7,
    Digit8,
    Digit9,
    Comma,      // appends a comma, the typed decimal separator
    Sign,       // "+/-": negates the entry
    Clear,      // "C": empties the entry
    Backspace,  // "<": the entry loses its last character
    Plus,
    Minus,
    Times,
    Divide,
    Percent,
    Total,           // "="
    Enter,           // "<<" and the Enter key
    GrandTotal,      // "GT": the totals since the last grand total, summed
    MemoryAdd,       // "M+": the entry (or the running value) into the memory
    MemorySubtract,  // "M-"
    MemoryRecall,    // "MR": the memory into the entry, as if typed
    MemoryClear,     // "MC"
};

// The key of a digit 0 to 9.
constexpr TTapeKey DigitKey(int digit) {
    return static_cast<TTapeKey>(digit);
}

// The digits, the comma and the sign key edit the entry text.
constexpr bool IsEntryKey(TTapeKey key) {
    return key <= TTapeKey::Sign;
}
