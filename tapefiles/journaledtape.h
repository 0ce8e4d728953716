#pragma once

// TJournaledTape: a tape kept on disk as a base file, written whole now and
// then, and a journal beside it (the base's name followed by ".diari") that
// holds every change made since, one record per user action. The owner gives
// the base file its format (the settings file, a tape file) and the settings
// their meaning; this class keeps the journal.
//
// At start: ReadBase gives the base's bytes, the owner loads them onto a
// tape, Replay plays the journal's actions onto that tape (and the owner's
// settings), and Attach starts recording the tape. Then, after every user
// action, the owner records the settings that changed with Recorder() and
// calls EndAction, which writes the action's record to the journal at once;
// a timer calls Sync within a second. When FoldDue says so, and at the end,
// the owner writes the base whole with Fold, which starts a new journal.
//
// The journal is folded into the base when it passes kFoldBytes, when an
// action was too large to record (TTapeRecorder::kLargestAction), and when
// the journal can no longer be trusted (a failed sync). Until a fold has
// succeeded no further action is recorded, so the journal on disk always
// gives the tape as it was after one of the actions.
//
// Failure() is the one status of every write: what could not be written and
// why, in the user's language; empty once a later write succeeds.

#include <cstdint>
#include <string>
#include <string_view>

#include "basic/journalwriter.h"
#include "tape/tapejournal.h"

class TTapeDocument;

class TJournaledTape {
public:
    // A journal past this size is folded into the base: some 100,000 keys
    // (a key adds about 40 bytes), whose replay takes some 20 milliseconds.
    static constexpr uint64_t kFoldBytes = uint64_t{4} << 20;

    explicit TJournaledTape(std::string basePath);
    // The journal beside the base file `basePath`.
    static std::string JournalPathOf(const std::string& basePath);
    ~TJournaledTape();
    TJournaledTape(const TJournaledTape&) = delete;
    TJournaledTape& operator=(const TJournaledTape&) = delete;

    const std::string& BasePath() const { return basePath_; }
    const std::string& JournalPath() const { return writer_.Path(); }

    // The base's bytes (empty for a missing file), read with the journal.
    // Throws PlatformError when the base cannot be read.
    const std::string& ReadBase();
    // Plays the journal onto the tape, loaded from the base, and the settings.
    // A journal of another base is not played. Reading stops at an action
    // that does not check out: ReplayProblem then says so, once.
    void Replay(TTapeDocument& tape, const TSettingPlayer& setting);
    // What Replay found wrong, in the user's language; empty when nothing.
    const std::string& ReplayProblem() const { return problem_; }

    // From now on every change of `tape` is recorded. The journal goes on
    // after its last good action, or starts again bound to the base.
    void Attach(const TTapeDocument& tape);
    void Detach();

    // Where the owner records the settings an action changed.
    TTapeRecorder& Recorder() { return recorder_; }
    // The action is over: its record goes to the journal now.
    void EndAction();
    bool FoldDue() const;
    // Writes `base` as the base file, whole or not at all, then a new
    // journal bound to it. Throws PlatformError (and Failure says why) when
    // the base cannot be written; the journal then stays as it was.
    void Fold(std::string_view base);

    // Writes what is pending and puts it on the disk; retries what failed.
    void Sync();
    // Something is waiting to be written or synced.
    bool SyncDue() const { return writer_.SyncDue(); }
    uint64_t JournalBytes() const { return writer_.Size(); }
    // Every action recorded is in the journal file: a start would give it
    // back even if the base could not be written.
    bool JournalHoldsAll() const { return writer_.Failure().empty() && !gap_; }
    const std::string& Failure() const;

private:
    std::string basePath_;
    std::string base_;
    std::string journal_;
    TJournalWriter writer_;
    TTapeRecorder recorder_;
    const TTapeDocument* tape_ = nullptr;
    // Where the journal read at start goes on; 0: it is to start again.
    uint64_t goodBytes_ = 0;
    // An action is missing from the journal: nothing more is recorded
    // until a fold.
    bool gap_ = false;
    std::string problem_;
    std::string foldFailure_;
};
