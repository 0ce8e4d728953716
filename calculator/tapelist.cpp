#include "calculator/tapelist.h"

#include <charconv>
#include <set>

#include "basic/stringlists.h"
#include "basic/texttools.h"

namespace {

constexpr std::string_view kPrefix = "oberta-";
constexpr std::string_view kSuffix = ".txt";

bool IsDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace

TTapeList ReadTapeList(std::string_view text) {
    TStringList read;
    read.AddLines(text);
    std::vector<std::string_view> lines;
    for (int i = 0; i < read.Count(); ++i)
        lines.push_back(read.Strings(i));
    TTapeList list;
    std::set<std::string, std::less<>> files;
    for (size_t i = 1; i < lines.size(); ++i) {
        const size_t tab = lines[i].find('\t');
        if (tab == std::string_view::npos) continue;
        const std::string_view file = lines[i].substr(0, tab);
        const std::string name = TapeNameText(lines[i].substr(tab + 1));
        if (file.empty()) {
            list.tapes.front().name = name;
        } else if (IsOwnTapeFileName(file) && files.insert(std::string(file)).second) {
            list.tapes.push_back({std::string(file), name});
        }
    }
    if (!lines.empty()) {
        int current = 0;
        const std::string_view first = lines.front();
        const auto [end, error] =
            std::from_chars(first.data(), first.data() + first.size(), current);
        if (error == std::errc() && end == first.data() + first.size() && current >= 0 &&
            current < static_cast<int>(list.tapes.size()))
            list.current = current;
    }
    return list;
}

std::string TapeListText(const TTapeList& list) {
    std::string text = std::to_string(list.current) + "\r\n";
    for (const TListedTape& tape : list.tapes)
        text += tape.file + '\t' + TapeNameText(tape.name) + "\r\n";
    return text;
}

std::string OwnTapeFileName(int number) {
    return std::string(kPrefix) + std::to_string(number) + std::string(kSuffix);
}

bool IsOwnTapeFileName(std::string_view name) {
    if (!name.starts_with(kPrefix) || !name.ends_with(kSuffix)) return false;
    return IsDigits(name.substr(kPrefix.size(), name.size() - kPrefix.size() - kSuffix.size()));
}

std::string TapeNameText(std::string_view name) {
    std::string text;
    for (const char c : name)
        text += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
    return TrimBlanks(text);
}
