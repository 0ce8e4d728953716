#pragma once

// Where the exchange unit's warnings go. The main window binds it to
// ShowMessageBox(owner, text, caption, kind); tests bind a recorder. Line
// breaks are written "#13", the message box's own notation.

#include <cstdint>
#include <functional>
#include <string>

using MessageFunction =
    std::function<int(const std::string& text, const std::string& caption, uint8_t kind)>;

// The line break of message texts.
inline constexpr const char* kMessageBreak = "#13";
