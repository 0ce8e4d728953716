#include "tapesearch/searchablerows.h"

#include <algorithm>
#include <iterator>

void FindRows(const TSearchableRows& rows, const TSearchQuery& query, const TValueMatch& values,
              int32_t from, int32_t to, std::vector<int32_t>& found) {
    to = std::min(to, rows.Rows());
    if (from >= to) return;
    std::vector<int32_t> byValue;
    if (values.Any()) {
        for (int32_t row = from; row < to; ++row) {
            if (values(rows.values[static_cast<size_t>(row)])) byValue.push_back(row);
        }
    }
    std::vector<int32_t> byComment;
    if (!query.text.empty()) {
        rows.foldedComments.ForEachContaining(
            query.text, from, to, [&byComment](int32_t row) { byComment.push_back(row); });
    }
    std::set_union(byValue.begin(), byValue.end(), byComment.begin(), byComment.end(),
                   std::back_inserter(found));
}
