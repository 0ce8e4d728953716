#include "tapesearch/searchquery.h"

#include <algorithm>
#include <cmath>

#include "tape/tapenumbers.h"
#include "tapesearch/foldedtext.h"
#include "tapesearch/querynumbers.h"

namespace {

// FormatNumber's code 0 shows up to two decimals.
constexpr int32_t kDecimalsOfCodeZero = 2;
constexpr int32_t kMostShownDecimals = 6;

}  // namespace

TSearchQuery ReadSearchQuery(std::string_view typed) {
    return {FoldedQuery(typed), QueryNumbers(typed)};
}

TValueMatch::TValueMatch(const std::vector<double>& numbers, int32_t decimals)
    : numbers_(numbers),
      shownDecimals_(decimals <= 0 ? kDecimalsOfCodeZero : std::min(decimals, kMostShownDecimals)),
      tolerance_(std::pow(10.0, -shownDecimals_)) {}

bool TValueMatch::Exact(double value, double number) const {
    return value == number || RoundedAt(value, shownDecimals_) == number;
}
