#pragma once

// What the tape's text files share: UTF-8 text whose lines end in CR LF, and
// the byte order mark that may open it.

#include <string_view>

inline constexpr std::string_view kLineEnd = "\r\n";
inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
