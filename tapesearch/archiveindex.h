#pragma once

// The index of the archive of cleared tapes, built once and kept, brought up
// to date when the archive changes.
//
// TArchiveIndexer lists the archive's files within its limits (its newest
// 200 files, up to 50 MB; TTapeArchive::KeptFiles) and reads each file once
// into a TIndexedTape; a later Rescan reads only the files that are new or
// whose size or time of change differ, and drops those that went. Reading
// goes newest first and can stop at a deadline, so an index being built
// already searches the newest tapes.
//
// TArchiveIndex is what a search reads: the indexed tapes at one moment,
// newest first. It never changes; the indexer makes a new one when its files
// change, sharing the tapes that stayed. So the indexer may work on one
// thread while searches read an index on others; the indexer itself is used
// from one thread at a time.

#include <chrono>
#include <cstdint>
#include <memory>
#include <vector>

#include "tapefiles/tapearchive.h"
#include "tapesearch/indexedtape.h"

class TArchiveIndex {
public:
    explicit TArchiveIndex(std::vector<std::shared_ptr<const TIndexedTape>> tapes = {})
        : tapes_(std::move(tapes)) {}

    // Newest first.
    const std::vector<std::shared_ptr<const TIndexedTape>>& Tapes() const { return tapes_; }
    int64_t Rows() const;
    // The memory the index takes.
    size_t Bytes() const;

private:
    std::vector<std::shared_ptr<const TIndexedTape>> tapes_;
};

class TArchiveIndexer {
public:
    using Clock = std::chrono::steady_clock;

    explicit TArchiveIndexer(TTapeArchive archive = TTapeArchive());

    // Lists the archive's files again (one listing of its folder: names,
    // sizes and times): new and changed files are to be read, files that
    // went leave the index.
    void Rescan();
    // Reads the files still to be read, newest first, until the deadline
    // has passed (at least one file, so that slices always get on); true
    // when none is left.
    bool ReadFiles(Clock::time_point deadline = Clock::time_point::max());
    bool UpToDate() const { return unread_ == 0; }
    // Rescan, then read every file.
    std::shared_ptr<const TArchiveIndex> Refreshed();

    // The files read so far that are still listed, newest first.
    std::shared_ptr<const TArchiveIndex> Index() const { return index_; }

private:
    struct TListedFile {
        QFileInfo file;
        std::shared_ptr<const TIndexedTape> tape;  // null until read
    };

    void MakeIndex();

    TTapeArchive archive_;
    std::vector<TListedFile> files_;  // newest first
    size_t unread_ = 0;
    std::shared_ptr<const TArchiveIndex> index_;
};
