#pragma once

// TSettingsStore: the settings and tape file (Brimsum.Ini, settingsfile.h)
// kept on disk as the user types. The file is written whole at the end and
// now and then; between two writes a journal beside it (Brimsum.Ini.diari,
// TJournaledTape) receives every change of the tape and of the settings as
// each user action ends, so that after a crash, a kill or a power cut the
// next start gives back every change made more than a second before.
//
// The window's part, at start:
//
//     TSettingsStore store(SettingsFileName(true));
//     TStoredSettings stored = store.Start(engine);  // the file and its journal
//     ... the window takes its place, rates and margin from `stored` ...
//     if (!store.ReplayProblem().empty()) ... show it once ...
//
// after every user action, with the settings as they are now (the tape rows
// of `settings` are not read; its current row is the tape's):
//
//     store.Recorded(settings);   // written at once; Failure() may change
//     if (store.SyncDue()) ... start a single-shot timer of < 1 s ...
//
// in that timer: store.Sync() (and again later while SyncDue stays true, as
// it does while a write fails), and at the end: store.Recorded(settings),
// then store.Fold(), which throws PlatformError when the file cannot be
// written (the journal is then kept, so the next start still has it all).
//
// Failure() is what the window shows while writing fails: what could not be
// written and why, in the user's language; it empties once writing works
// again and everything pending has been written.
//
// The settings go to the journal as the texts of lines 1 to 20 (the key is
// the line's number); line 11, the current row, comes with the tape.
//
// A tape of its own (a second tape of the window) is kept the same way, with
// a tape file (tapefile.h) for the base: the file holds the rows alone, so
// each fold starts the new journal with the settings and the current row.

#include <array>
#include <cstdint>
#include <string>

#include "calculator/settingsfile.h"
#include "tapefiles/journaledtape.h"

class TTapeEngine;

class TSettingsStore {
public:
    // What the base file is.
    enum class TBase : uint8_t { SettingsFile, TapeFile };

    explicit TSettingsStore(std::string path, TBase base = TBase::SettingsFile)
        : journal_(std::move(path)), base_(base) {}

    const std::string& Path() const { return journal_.BasePath(); }
    const std::string& JournalPath() const { return journal_.JournalPath(); }

    // The settings file and the journal beside it onto the engine, which takes
    // up the tape and its state as they were left; then every change of the
    // tape is recorded. The settings as they were left, for the window.
    // Throws PlatformError when the file cannot be read.
    TStoredSettings Start(TTapeEngine& engine);

    // The pieces of Start. The settings file as written (a first run's values
    // when it is missing).
    TStoredSettings Load();
    // The changes the journal holds since the file was written, onto the
    // tape loaded from it and onto `settings` (whose tape rows stay).
    void Replay(TTapeDocument& tape, TStoredSettings& settings);
    // What Replay found damaged in the journal; empty when nothing.
    const std::string& ReplayProblem() const { return journal_.ReplayProblem(); }

    // Records every change of `tape` from now on; `settings` are the values
    // the journal has.
    void Attach(const TTapeDocument& tape, const TStoredSettings& settings);
    // A user action ended: its changes of the tape and of the settings that
    // differ from the last recorded ones go to the journal now. When the
    // journal has grown large, the file is written whole instead.
    void Recorded(const TStoredSettings& settings);

    // Something waits to be written or synced, or a fold to be tried again.
    bool SyncDue() const { return journal_.SyncDue() || foldFailed_ || journal_.FoldDue(); }
    // Puts what was written on the disk, and retries what failed.
    void Sync();
    // Writes the file whole with the last recorded settings and starts a new
    // journal. Throws PlatformError when the file cannot be written.
    void Fold();

    const std::string& Failure() const { return journal_.Failure(); }
    // Every change recorded is in the journal, whatever became of the file.
    bool JournalHoldsAll() const { return journal_.JournalHoldsAll(); }
    uint64_t JournalBytes() const { return journal_.JournalBytes(); }

private:
    using TLines = std::array<std::string, kLastSettingsLine>;
    static TLines LinesOf(const TStoredSettings& settings);
    // The settings that differ from the last recorded ones, into the record
    // of the action under way.
    void RecordLines(const TLines& lines);
    void FoldIfDue();

    TJournaledTape journal_;
    TBase base_;
    const TTapeDocument* tape_ = nullptr;
    TStoredSettings settings_;
    TLines lines_;
    // The last fold failed: it is tried again at Sync, not at every key.
    bool foldFailed_ = false;
};
