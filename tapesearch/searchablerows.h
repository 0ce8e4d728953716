#pragma once

// What a search looks at in the rows of one tape, prepared once: each row's
// value as a number and each comment folded (foldedtext.h). Open tapes keep
// theirs up to date as they change (opentapeindex.h), archived ones build it
// when their file is read (indexedtape.h).

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "tape/taperow.h"
#include "tapesearch/rowtexts.h"
#include "tapesearch/searchquery.h"

struct TSearchableRows {
    // A row's value as the tape reads it; NaN for a row without a value.
    std::vector<double> values;
    TRowTexts foldedComments;

    int32_t Rows() const { return static_cast<int32_t>(values.size()); }
};

inline constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();

// The value a search compares: NaN for a row whose value field is empty.
inline double SearchedValue(const TTapeRow& row) {
    return row.Value().empty() ? kNoValue : row.Number();
}
// The number shown for a searched value (a row without one shows as zero).
inline double ShownValue(double searched) {
    return std::isnan(searched) ? 0.0 : searched;
}

// Adds to `found` the rows from `from` to `to` (excluded) that the query
// finds, by value or by comment, each once, in row order.
void FindRows(const TSearchableRows& rows, const TSearchQuery& query, const TValueMatch& values,
              int32_t from, int32_t to, std::vector<int32_t>& found);
