#pragma once

// The tax rates of the rate list: the item text the list shows and the rate
// the tax keys use. The rate comes from this table by the selected index, never
// from the text.

#include <array>

struct TVatItem {
    const char* text;
    double rate;  // percent
};

// The items marked Re are surcharge rates on their own; the last three are a
// tax rate and its surcharge added together.
inline constexpr std::array<TVatItem, 9> kVatItems = {{
    {"16%", 16},
    {"7%", 7},
    {"4%", 4},
    {"4% Re", 4},
    {"1% Re", 1},
    {"0.5% Re", 0.5},
    {"20% (16%+4%)", 20},
    {"8% (7%+1%)", 8},
    {"5.5% (4%+0.5%)", 5.5},
}};

// The rate of the item at `index`; 0 for any index outside the table.
constexpr double VatRate(int index) {
    return index >= 0 && index < static_cast<int>(kVatItems.size())
               ? kVatItems[static_cast<size_t>(index)].rate
               : 0.0;
}
