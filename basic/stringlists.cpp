#include "basic/stringlists.h"

#include <algorithm>

#include "basic/platformerror.h"
#include "basic/texttools.h"

namespace {

[[noreturn]] void ThrowIndexError(int index) {
    throw PlatformError("List index out of bounds (" + std::to_string(index) + ")");
}

unsigned char UpperAscii(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 'a' && byte <= 'z' ? byte - ('a' - 'A') : byte;
}

// Equality of the ASCII upper-case forms, without building them.
bool EqualIgnoringCase(const std::string& a, const std::string& b) {
    return std::ranges::equal(a, b, [](char x, char y) { return UpperAscii(x) == UpperAscii(y); });
}

}  // namespace

// --- TStringList ---------------------------------------------------------

int TStringList::Add(const std::string& text) {
    items_.push_back(text);
    return Count() - 1;
}

void TStringList::Delete(int index) {
    if (index < 0 || index >= Count()) ThrowIndexError(index);
    items_.erase(items_.begin() + index);
}

int TStringList::IndexOf(const std::string& text) const {
    const auto found = std::ranges::find(items_, text);
    return found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
}

void TStringList::Insert(int index, const std::string& text) {
    if (index < 0 || index > Count()) ThrowIndexError(index);
    items_.insert(items_.begin() + index, text);
}

std::string TStringList::Text() const {
    size_t size = 0;
    for (const std::string& item : items_)
        size += item.size() + 2;
    std::string text;
    text.reserve(size);
    for (const std::string& item : items_) {
        text += item;
        text += "\r\n";
    }
    return text;
}

void TStringList::SetText(const std::string& text) {
    Clear();
    AddLines(text);
}

// --- TArrayCadena --------------------------------------------------------

std::string TArrayCadena::Prepared(const std::string& text) const {
    if (TrimLeftOnAdd && TrimRightOnAdd) return TrimBlanks(text);
    if (TrimLeftOnAdd) return TrimLeftBlanks(text);
    if (TrimRightOnAdd) return TrimRightBlanks(text);
    return text;
}

int TArrayCadena::Add(const std::string& text) {
    if (!TrimLeftOnAdd && !TrimRightOnAdd) return TStringList::Add(text);
    return TStringList::Add(Prepared(text));
}

void TArrayCadena::Delete(int position) {
    TStringList::Delete(position - 1);
}

int TArrayCadena::IndexOf(const std::string& text) const {
    const std::string key = Prepared(text);
    for (int i = 0; i < Count(); ++i) {
        const std::string& item = items_[i];
        if (IgnoreCase ? EqualIgnoringCase(item, key) : item == key) return i;
    }
    return -1;
}

std::string TArrayCadena::ItemAt(int position) const {
    if (position < 1 || position > Count()) return {};
    return items_[position - 1];
}

void TArrayCadena::SetItemAt(int position, const std::string& text) {
    if (position < 1) ThrowIndexError(position - 1);
    while (Count() < position)
        Add({});
    items_[position - 1] = text;
}

int TArrayCadena::Position(const std::string& text) const {
    return IndexOf(text) + 1;
}

int TArrayCadena::PositionOrAdd(const std::string& text) {
    const int position = Position(text);
    if (position != 0) return position;
    Add(text);
    return Count();
}

// --- TCadenes ------------------------------------------------------------

void TCadenes::SetText(const std::string& text) {
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n') continue;
        std::string line = text.substr(start, i - start);
        std::ranges::replace(line, '\0', ' ');
        Add(line);
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    // The unended last line is added as it stands, NUL bytes included.
    if (start < text.size()) Add(text.substr(start));
}
