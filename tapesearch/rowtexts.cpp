#include "tapesearch/rowtexts.h"

#include <string.h>

#include <algorithm>

namespace {

constexpr char kTextEnd = '\n';

}  // namespace

size_t TRowTexts::First(int32_t row) const {
    return static_cast<size_t>(std::lower_bound(rows_.begin(), rows_.end(), row) - rows_.begin());
}

std::string_view TRowTexts::EntryText(size_t entry) const {
    const size_t end = entry + 1 < rows_.size() ? starts_[entry + 1] : text_.size();
    return std::string_view(text_).substr(starts_[entry], end - starts_[entry] - 1);
}

std::string_view TRowTexts::Text(int32_t row) const {
    const size_t entry = First(row);
    if (entry >= rows_.size() || rows_[entry] != row) return {};
    return EntryText(entry);
}

size_t TRowTexts::Bytes() const {
    return text_.capacity() + rows_.capacity() * sizeof(int32_t) +
           starts_.capacity() * sizeof(uint32_t);
}

void TRowTexts::ShrinkToFit() {
    rows_.shrink_to_fit();
    starts_.shrink_to_fit();
    text_.shrink_to_fit();
}

void TRowTexts::Add(int32_t row, std::string_view text) {
    if (text.empty()) return;
    rows_.push_back(row);
    starts_.push_back(static_cast<uint32_t>(text_.size()));
    text_ += text;
    text_ += kTextEnd;
}

void TRowTexts::KeepBefore(int32_t row) {
    const size_t entry = First(row);
    if (entry >= rows_.size()) return;
    text_.resize(starts_[entry]);
    rows_.resize(entry);
    starts_.resize(entry);
}

void TRowTexts::AddFrom(const TRowTexts& other, int32_t from, int32_t to) {
    for (size_t entry = other.First(from); entry < other.rows_.size() && other.rows_[entry] < to;
         ++entry)
        Add(other.rows_[entry], other.EntryText(entry));
}

const char* TRowTexts::Find(std::string_view needle, const char* at, const char* end) {
    if (at >= end) return nullptr;
    return static_cast<const char*>(
        memmem(at, static_cast<size_t>(end - at), needle.data(), needle.size()));
}
