#pragma once

#include <exception>
#include <stdexcept>
#include <string>

// The one error type of the program's platform operations: a text that is no
// number, an impossible date, a file, folder or clipboard failure. The action
// that raised it stops; the window's event boundary shows what() in an error
// box and the program carries on.
class PlatformError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An abort that ends the current paint pass or action without any message
// (an empty gradient surface raises it). The event boundary swallows it.
class SilentAbort : public std::exception {
public:
    const char* what() const noexcept override { return "Operation aborted"; }
};
