#pragma once

// Extension lines for tests: lines 12 to 20 of a settings file made from
// texts, and what they write back after line 11.

#include <string>
#include <vector>

#include "basic/stringlists.h"
#include "calculator/extensionlines.h"

// Lines 12 to 20 from the given texts (missing ones empty), read back.
inline TExtensionLines Extensions(const std::vector<std::string>& texts) {
    TArrayCadena file;
    file.SetItemAt(11, "0");
    for (size_t index = 0; index < texts.size(); ++index)
        file.SetItemAt(TExtensionLines::kFirstLine + static_cast<int>(index), texts[index]);
    TExtensionLines lines;
    lines.Read(file);
    return lines;
}

// The lines written after line 11.
inline std::vector<std::string> Written(const TExtensionLines& lines) {
    TArrayCadena file;
    file.SetItemAt(11, "0");
    lines.Write(file);
    std::vector<std::string> written;
    for (int line = 12; line <= file.Count(); ++line)
        written.push_back(file.ItemAt(line));
    return written;
}
