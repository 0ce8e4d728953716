#pragma once

// Where the exchange unit's warnings go. The main window binds it to
// ShowMessageBox(owner, text, caption, kind); tests bind a recorder. Lines
// are broken by a carriage return, which ShowMessageBox shows as a new line.

#include <cstdint>
#include <functional>
#include <string>

using MessageFunction =
    std::function<int(const std::string& text, const std::string& caption, uint8_t kind)>;

// The line break of message texts.
inline constexpr const char* kMessageBreak = "\r";
