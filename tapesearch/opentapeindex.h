#pragma once

// TOpenTapeIndex: the searchable rows of an open tape (searchablerows.h),
// kept up to date as the tape changes. It watches the tape's changes and, at
// the next search, prepares again only the rows that changed (the rows a key
// writes, or those from an opened or deleted row on), so each comment is
// folded once, not at every search.
//
// It lives on the thread of its tape and must go before the tape does.

#include <cstdint>

#include "tape/tapedocument.h"
#include "tapesearch/searchablerows.h"

class TOpenTapeIndex : private TTapeObserver {
public:
    explicit TOpenTapeIndex(const TTapeDocument& tape);
    ~TOpenTapeIndex() override;
    TOpenTapeIndex(const TOpenTapeIndex&) = delete;
    TOpenTapeIndex& operator=(const TOpenTapeIndex&) = delete;

    const TTapeDocument& Tape() const { return tape_; }
    // The tape's rows as they are now.
    const TSearchableRows& UpToDate();

private:
    void TapeRowsChanged(int32_t first, int32_t last) override;
    void TapeRowCountChanged() override {}
    void TapeCurrentRowChanged() override {}

    void Prepare(int32_t first, int32_t last);

    const TTapeDocument& tape_;
    TSearchableRows rows_;
    // The rows changed since the last search, first to last; none when
    // first is past last.
    int32_t changedFirst_ = 0;
    int32_t changedLast_ = INT32_MAX;
};
