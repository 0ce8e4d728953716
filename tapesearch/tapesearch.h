#pragma once

// TTapeSearch: one search, as the search field runs it at each key, through
// the open tapes and the archive of cleared tapes.
//
// Results come in tape order: the open tapes in the order given, then the
// archived tapes newest first, each tape from its first row. Only the first
// `shown` results are kept (500 unless told), but every row found is
// counted, so the list can say how many more there were.
//
// The open tapes are searched whole when the search is made, on the thread
// of their documents: it brings their indexes up to date (the first search
// prepares every row, later ones only the rows changed since) and looks
// through them (50 tapes of 10,000 rows: a few milliseconds). The archive is searched by Run, which may
// stop at a deadline and go on at the next call: on the user-interface
// thread in slices, or on a worker thread, since it reads only the search
// and the archive index it was given (which never changes). One thread at a
// time runs a search.
//
//     TSearchScope scope{{{"Cinta 1", &index1, decimals}}, indexer.Index(), decimals};
//     TTapeSearch search(typed, scope);
//     search.Run(TTapeSearch::Clock::now() + std::chrono::milliseconds(30));
//     Show(search.Results(), search.More(), search.Finished());

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "tapesearch/archiveindex.h"
#include "tapesearch/opentapeindex.h"
#include "tapesearch/searchquery.h"
#include "tapesearch/searchresult.h"

struct TOpenTape {
    std::string name;
    // The tape's index (not null).
    TOpenTapeIndex* index = nullptr;
    // The decimals the tape is shown with (the option, 0 to 6).
    int32_t decimals = 2;
};

// What a search looks through.
struct TSearchScope {
    std::vector<TOpenTape> openTapes;
    // May be null: no archive.
    std::shared_ptr<const TArchiveIndex> archive;
    // The decimals archived tapes are shown with.
    int32_t archiveDecimals = 2;
};

class TTapeSearch {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr size_t kShownResults = 500;
    // Run looks at the clock after each slice of this many rows.
    static constexpr int32_t kSliceRows = 32 * 1024;

    TTapeSearch(std::string_view typed, const TSearchScope& scope, size_t shown = kShownResults);

    // Searches the archive on until the deadline has passed or every row has
    // been looked at; true when finished.
    bool Run(Clock::time_point deadline = Clock::time_point::max());
    bool Finished() const;

    const TSearchQuery& Query() const { return query_; }
    // The first results, at most `shown` of them.
    const std::vector<TSearchResult>& Results() const { return results_; }
    // Every row found so far, shown or not.
    int64_t Found() const { return found_; }
    // The rows found beyond the results kept.
    int64_t More() const { return found_ - static_cast<int64_t>(results_.size()); }

private:
    void SearchOpenTape(const TOpenTape& tape, int32_t place);

    TSearchQuery query_;
    size_t shown_;
    std::shared_ptr<const TArchiveIndex> archive_;
    int32_t archiveDecimals_;
    TValueMatch archiveValues_;
    // Where Run goes on: the archived tape and its row.
    size_t tape_ = 0;
    int32_t row_ = 0;
    std::vector<TSearchResult> results_;
    int64_t found_ = 0;
};
