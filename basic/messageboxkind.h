#pragma once

// The buttons of the program's warning box (ShowMessageBox), by the numbers
// the program has always passed for them. A number beyond these offers OK.

#include <cstdint>

enum class TMessageBoxKind : uint8_t {
    Ok = 0,
    OkCancel = 1,
    AbortRetryIgnore = 2,
    YesNoCancel = 3,
    YesNo = 4,
    RetryCancel = 5,
};
