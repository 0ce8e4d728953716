#pragma once

// TJournalWriter: appends records to a journal (journalfile.h) as they come.
//
// Records are added to Pending() in memory. Flush writes them to the file at
// once with write(2): from then on a crash of the program loses nothing, as
// the system holds the bytes. Sync then puts them on the disk (fdatasync), so
// that a power cut loses nothing either; the caller calls it within a second
// of a flush, from a timer (SyncDue says when there is something to sync).
//
// Nothing fails silently and nothing is lost while the program runs: when a
// step fails, what was not written stays pending and Failure() says what
// could not be written and why, in the user's language. The next Flush or
// Sync tries again, and once it succeeds the failure is cleared. A write
// that stopped half way goes on where it stopped, so the file never holds a
// record twice or a record after a missing one.
//
// A failed sync may have lost bytes the system had already taken: the
// journal can then no longer be trusted, and RestartWanted() asks the owner
// to write its base file whole and Restart the journal on it.

#include <cstdint>
#include <optional>
#include <string>

#include "basic/journalfile.h"

class TJournalWriter {
public:
    explicit TJournalWriter(std::string path) : path_(std::move(path)) {}
    ~TJournalWriter();
    TJournalWriter(const TJournalWriter&) = delete;
    TJournalWriter& operator=(const TJournalWriter&) = delete;

    const std::string& Path() const { return path_; }

    // Goes on with the journal on disk after its first `goodBytes` bytes,
    // cutting off what lies past them (a torn or damaged tail).
    void Continue(uint64_t goodBytes);
    // Starts a new, empty journal bound to `base` in place of the old one,
    // written whole (a temporary file, synced, renamed over the old one).
    // The records pending are dropped: the new base holds what they did.
    void Restart(const TJournalBinding& base);

    // Where the next records go.
    std::string& Pending() { return pending_; }
    // Writes the pending records; false (and Failure set) when not all of
    // them could be written.
    bool Flush();
    // Flushes, then syncs what was written; false on a failure.
    bool Sync();
    // There are records not yet written or not yet on the disk.
    bool SyncDue() const { return started_ && (!pending_.empty() || unsynced_ || !open_); }

    // The journal's size with the pending records.
    uint64_t Size() const { return written_ + pending_.size(); }
    bool RestartWanted() const { return restartWanted_; }
    // What the last step that failed could not do, and why; empty once a
    // later write succeeded.
    const std::string& Failure() const { return failure_; }

private:
    bool Open();
    bool Fail(int error);
    void Close();

    std::string path_;
    // Continue or Restart has been called: the writer knows its journal.
    bool started_ = false;
    int fd_ = -1;
    // Whether fd_ is the journal to write to; if not, the next flush first
    // restarts it on restartOn_ or reopens it at written_.
    bool open_ = false;
    std::optional<TJournalBinding> restartOn_;
    uint64_t written_ = 0;
    std::string pending_;
    bool unsynced_ = false;
    bool restartWanted_ = false;
    std::string failure_;
};
