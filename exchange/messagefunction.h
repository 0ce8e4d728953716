#pragma once

// Where the exchange unit's warnings go. The main window binds it to
// ShowMessageBox(owner, text, caption, kind); tests bind a recorder. Lines
// are broken by a carriage return, which ShowMessageBox shows as a new line.

#include <functional>
#include <string>

#include "basic/messageboxkind.h"

using MessageFunction =
    std::function<int(const std::string& text, const std::string& caption, TMessageBoxKind kind)>;

// The line break of message texts.
inline constexpr const char* kMessageBreak = "\r";
