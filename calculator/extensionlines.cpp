#include "calculator/extensionlines.h"

#include <algorithm>

#include "basic/stringlists.h"

namespace {

// A text the line file would split or cut short.
bool BreaksLine(const std::string& text) {
    return text.find_first_of(std::string("\r\n\0", 3)) != std::string::npos;
}

}  // namespace

void TExtensionLines::Read(const TArrayCadena& lines) {
    for (int index = 0; index < kLineCount; ++index)
        lines_[static_cast<size_t>(index)] = lines.ItemAt(kFirstLine + index);
}

void TExtensionLines::Write(TArrayCadena& lines) const {
    const auto last = std::find_if(lines_.rbegin(), lines_.rend(),
                                   [](const std::string& line) { return !line.empty(); });
    const int used = static_cast<int>(lines_.rend() - last);
    for (int index = 0; index < used; ++index)
        lines.SetItemAt(kFirstLine + index, lines_[static_cast<size_t>(index)]);
}

bool TExtensionLines::Holds(const std::string& line, const std::string& key) {
    return line.size() > key.size() && line.compare(0, key.size(), key) == 0 &&
           line[key.size()] == '=';
}

std::optional<std::string> TExtensionLines::Value(const std::string& key) const {
    for (const std::string& line : lines_)
        if (Holds(line, key)) return line.substr(key.size() + 1);
    return std::nullopt;
}

bool TExtensionLines::Set(const std::string& key, const std::string& value) {
    if (key.empty() || key.find('=') != std::string::npos || BreaksLine(key) || BreaksLine(value))
        return false;
    auto place = std::find_if(lines_.begin(), lines_.end(),
                              [&key](const std::string& line) { return Holds(line, key); });
    if (place == lines_.end()) place = std::find(lines_.begin(), lines_.end(), std::string());
    if (place == lines_.end()) return false;
    *place = key + "=" + value;
    return true;
}

void TExtensionLines::Remove(const std::string& key) {
    for (std::string& line : lines_)
        if (Holds(line, key)) line.clear();
}
