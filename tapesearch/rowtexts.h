#pragma once

// TRowTexts: texts of some rows of a tape (the rows with a comment, say), in
// row order, in one buffer: a tape of a million rows costs one allocation
// and one search walks it without a jump. Each text ends with a line break,
// which no text holds, so a search for a text without one never finds a
// match that runs from one row's text into the next.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TRowTexts {
public:
    // The number of rows with a text.
    size_t Count() const { return rows_.size(); }
    // A row's text; empty for a row without one.
    std::string_view Text(int32_t row) const;
    // The memory it takes.
    size_t Bytes() const;

    // Adds the text of a row after every row already held (an empty text
    // adds nothing).
    void Add(int32_t row, std::string_view text);
    // Keeps the rows before `row` only.
    void KeepBefore(int32_t row);
    // Adds the texts `other` holds for rows `from` to `to` (excluded), after
    // every row already held.
    void AddFrom(const TRowTexts& other, int32_t from, int32_t to);
    // Gives back the room that growing left unused.
    void ShrinkToFit();

    // Calls found(row) for each row from `from` to `to` (excluded) whose text
    // contains `needle` (not empty, no line break), in row order.
    template <typename Found>
    void ForEachContaining(std::string_view needle, int32_t from, int32_t to, Found found) const;

private:
    // The first entry of a row at or after `row`.
    size_t First(int32_t row) const;
    std::string_view EntryText(size_t entry) const;
    // The first match of `needle` from `at` on, before `end`; null for none.
    static const char* Find(std::string_view needle, const char* at, const char* end);

    std::vector<int32_t> rows_;
    std::vector<uint32_t> starts_;  // where each row's text starts in text_
    std::string text_;
};

template <typename Found>
void TRowTexts::ForEachContaining(std::string_view needle, int32_t from, int32_t to,
                                  Found found) const {
    size_t entry = First(from);
    const size_t end = First(to);
    if (entry >= end) return;
    const char* base = text_.data();
    const char* stop = end < rows_.size() ? base + starts_[end] : base + text_.size();
    const char* at = base + starts_[entry];
    while (const char* match = Find(needle, at, stop)) {
        const auto offset = static_cast<uint32_t>(match - base);
        while (entry + 1 < end && starts_[entry + 1] <= offset)
            ++entry;
        found(rows_[entry]);
        if (++entry >= end) return;
        at = base + starts_[entry];
    }
}
