#pragma once

// TTapeSet: the open tapes of the main window, one a tab, and the one in use.
// Each tape is an engine of its own (rows, comments, entry, current row,
// running value, undo history and memory) kept on disk by a settings keeper
// of its own, as safely as the others: the first tape is the settings file's
// (Brimsum.Ini, with the window's settings); every other tape is a tape file
// with its journal in the data folder (oberta-N.txt and oberta-N.txt.diari),
// and the list of the tapes (tapelist.h) gives their order, their names and
// the tape in use.
//
// The options (decimals, rounding) are the calculator's, not a tape's: a
// tape that comes into use takes the options of the tape it follows, which is
// one step of its undo history when its evaluation changes, and the settings
// file keeps the options of the tape in use.
//
// The list is written when a tape is added, closed or renamed, and with the
// tapes at the end (Fold); a failure to write it throws PlatformError and
// leaves the tapes as they were.

#include <QObject>
#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "calculator/settingskeeper.h"
#include "calculator/tapelist.h"

class TTapeEngine;

class TTapeSet : public QObject {
    Q_OBJECT

public:
    // `settingsPath`: the first tape's settings file, whose settings as they
    // are now `first` gives; `folder`: where the other tapes and the list are.
    TTapeSet(std::string settingsPath, std::string folder, TSettingsKeeper::TCurrent first);
    ~TTapeSet() override;

    // The data folder: Tarvik under the generic data location.
    static std::string DefaultFolder();
    const std::string& Folder() const { return folder_; }
    // The file of the open tape named `name` in the list of `folder`, as the
    // tabs name it: an empty text for the first tape, nothing when no tape
    // has that name. Throws PlatformError when the list cannot be read.
    static std::optional<std::string> ListedFile(const std::string& folder,
                                                 const std::string& name);

    int Count() const { return static_cast<int>(tapes_.size()); }
    int CurrentIndex() const { return current_; }
    // A tape not read yet (OpenListed) is empty here.
    TTapeEngine& Engine(int index) const;
    TTapeEngine& Current() const { return Engine(current_); }
    TSettingsKeeper& Keeper(int index) const;
    const std::string& Name(int index) const;

    // The first tape from the settings file and its journal; the settings as
    // they were left. Throws PlatformError when the file cannot be read.
    TStoredSettings StartFirst();
    // The other tapes of the list, and the one in use. A tape is read from
    // its file and journal when it first comes into use (or LoadAll); until
    // then its engine is empty, and its files are left as they are. A tape
    // that cannot be read is closed, its files left as they are, and the
    // tape after it is used instead; PlatformError then says what could not
    // be read, as it does when a journal was damaged.
    void OpenListed();
    // Every tape read, for a search through all of them.
    void LoadAll();

    // A new empty tape at the end, in use: "Cinta N", N its place (or the
    // next number no tape is named by).
    void Add();
    void Select(int index);
    // Closes a tape, never the last one: the tape that follows it (or the one
    // before, for the last tab) comes into use. Its files are removed: the
    // caller archives its rows first.
    void Close(int index);
    // An empty name leaves the tape's name as it is.
    void Rename(int index, const std::string& name);

    // The tape in use and the first (which keeps the window's settings) may
    // have changed.
    void Changed();
    // Every tape written whole, and the list. Throws PlatformError (the first
    // failure) when any cannot be written; the others are written all the same.
    void Fold();
    bool Folded() const;
    // Every change of every tape is on the disk, in its file or its journal.
    bool Kept() const;
    // The first failure to write any tape; empty while everything is written.
    QString Failure() const;

Q_SIGNALS:
    // Another tape is in use (after Select, Add, Close).
    void CurrentChanged();
    // A tape was added, closed or renamed.
    void TapesChanged();
    // Undo or redo of the tape in use became possible or impossible.
    void HistoryChanged();
    void FailureChanged(const QString& failure);

private:
    struct TOpenTape;
    std::unique_ptr<TOpenTape> MakeTape(std::string file, std::string name);
    void Watch(const TOpenTape& tape);
    // Reads the tape at `index` if it is not read yet; false when it could
    // not be, and it was closed.
    bool Load(int index, std::string& problems);
    // The place of the first tape from `index` on (or before it, at the end)
    // that could be read.
    int Loaded(int index, std::string& problems);
    std::string NewFileName() const;
    std::string NewTapeName() const;
    TTapeList List() const;
    void WriteList(const TTapeList& list);
    void TellFailure();

    std::string folder_;
    std::vector<std::unique_ptr<TOpenTape>> tapes_;
    int current_ = 0;
    bool listWritten_ = true;
    QString toldFailure_;
};
