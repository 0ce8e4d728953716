#pragma once

// TSettingsKeeper: the settings and the tape of the main window kept on disk
// as the user works (TSettingsStore): read at start, written after every
// user action as soon as that action is over (a record appended to the
// journal beside the settings file), put on the disk within a second, and
// written whole at the end. While writing fails it says why, once, and
// tries again; when writing works again it says so.

#include <QObject>
#include <QTimer>
#include <functional>
#include <string>

#include "calculator/settingsstore.h"
#include "tape/tapedocument.h"

class TTapeEngine;

class TSettingsKeeper : public QObject, private TTapeObserver {
    Q_OBJECT

public:
    // The settings as they are now: the window's place, the tax settings and
    // the engine's state (StoreEngineState).
    using TCurrent = std::function<TStoredSettings()>;

    TSettingsKeeper(std::string path, TTapeEngine& engine, TCurrent current,
                    TSettingsStore::TBase base = TSettingsStore::TBase::SettingsFile);
    ~TSettingsKeeper() override;

    // The settings file and its journal onto the engine; the settings as they
    // were left. Throws PlatformError when the file cannot be read.
    TStoredSettings Start();
    // What the journal held that could not be read, once; empty when nothing.
    const std::string& ReplayProblem() const { return store_.ReplayProblem(); }

    // Something may have changed: it is recorded once the event that changed
    // it is over.
    void Changed();
    // Records what is pending now and writes the file whole. Throws
    // PlatformError when it cannot be written: the journal then keeps
    // everything, for the next start.
    void Fold();
    // Nothing has changed since the file was last written whole.
    bool Folded() const { return folded_; }
    // What could not be written and why; empty while everything is written.
    const std::string& Failure() const { return store_.Failure(); }
    // Every change is on the disk, in the file or in the journal beside it.
    bool Kept() const { return store_.JournalHoldsAll(); }

Q_SIGNALS:
    void FailureChanged(const QString& failure);

private:
    void Record();
    void Sync();
    void TellFailure();

    void TapeRowsChanged(int32_t, int32_t) override { Changed(); }
    void TapeRowCountChanged() override { Changed(); }
    void TapeCurrentRowChanged() override { Changed(); }

    TSettingsStore store_;
    TTapeEngine& engine_;
    TCurrent current_;
    QTimer record_;
    QTimer sync_;
    bool folded_ = true;
    std::string toldFailure_;
};
