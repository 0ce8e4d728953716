#include "exchange/blocks.h"

#include <QString>

#include <algorithm>

namespace {

constexpr size_t kFileDropHeaderSize = 20;
constexpr size_t kGroupDescriptorSize = 332;
constexpr size_t kGroupNameOffset = 72;
constexpr size_t kGroupNameSize = 260;

std::optional<uint32_t> ReadU32(ByteView block, size_t at) {
    if (at > block.size() || block.size() - at < 4) return std::nullopt;
    return uint32_t(block[at]) | uint32_t(block[at + 1]) << 8 | uint32_t(block[at + 2]) << 16 |
           uint32_t(block[at + 3]) << 24;
}

std::u16string Units16(ByteView block) {
    std::u16string units;
    for (size_t i = 0; i + 1 < block.size(); i += 2) {
        const auto unit = char16_t(block[i] | block[i + 1] << 8);
        if (unit == 0) break;
        units.push_back(unit);
    }
    return units;
}

std::string Utf16ToText(const std::u16string& units) {
    return QString::fromUtf16(units.data(), qsizetype(units.size())).toStdString();
}

// A name of a list together with the bytes it takes, its terminator included.
struct ListName {
    std::string text;
    size_t size = 0;
};

std::optional<ListName> Name8(ByteView list) {
    const auto nul = std::find(list.begin(), list.end(), uint8_t(0));
    if (nul == list.end()) return std::nullopt;
    return ListName{std::string(list.begin(), nul), size_t(nul - list.begin()) + 1};
}

std::optional<ListName> Name16(ByteView list) {
    const std::u16string units = Units16(list);
    const size_t size = (units.size() + 1) * 2;
    if (size > list.size()) return std::nullopt;  // no terminating NUL character
    return ListName{Utf16ToText(units), size};
}

}  // namespace

std::string Text8(ByteView block) {
    const auto nul = std::find(block.begin(), block.end(), uint8_t(0));
    return std::string(block.begin(), nul);
}

std::string Text16(ByteView block) {
    return Utf16ToText(Units16(block));
}

std::string BlockText(ByteView block) {
    std::string text = Text8(block);
    if (text.size() < 2) text = Text16(block);
    return text;
}

std::vector<std::string> FileDropNames(ByteView block) {
    std::vector<std::string> names;
    const auto offset = ReadU32(block, 0);
    if (!offset || *offset >= block.size()) return names;
    const ByteView list = block.subspan(*offset);
    const auto first = Name8(list);
    const bool wide = first && first->text.size() == 1;
    size_t at = 0;
    while (at < list.size()) {
        const ByteView rest = list.subspan(at);
        const auto name = wide ? Name16(rest) : Name8(rest);
        if (!name || (!names.empty() && name->text.empty())) break;
        names.push_back(name->text);
        at += name->size;
    }
    return names;
}

Bytes BuildFileDrop(const std::vector<std::string>& names) {
    // The header: the offset of the name list, then the drop point, the
    // client-area flag and the wide-text flag, all zero.
    Bytes block(kFileDropHeaderSize, 0);
    block[0] = uint8_t(kFileDropHeaderSize);
    for (const std::string& name : names) {
        block.insert(block.end(), name.begin(), name.end());
        block.push_back(0);
    }
    block.push_back(0);
    return block;
}

std::optional<std::string> FirstGroupFileName(ByteView block) {
    const auto count = ReadU32(block, 0);
    if (!count || *count == 0) return std::nullopt;
    if ((block.size() - 4) / kGroupDescriptorSize < *count) return std::nullopt;
    const auto name = Name8(block.subspan(4 + kGroupNameOffset, kGroupNameSize));
    if (!name) return std::nullopt;
    return name->text;
}
