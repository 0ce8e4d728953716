#pragma once

// A tape engine's tape kept on disk as the program keeps it: a settings store
// (TSettingsStore) on a temporary folder of its own, recording the engine's
// tape from now on. For the benchmarks of keys typed with the journal.

#include <QTemporaryDir>
#include <string>

#include "calculator/settingsstore.h"
#include "tape/tapeengine.h"

class TDurableTape {
public:
    explicit TDurableTape(TTapeEngine& engine)
        : engine_(engine), store_(dir_.path().toStdString() + "/Brimsum.Ini") {
        settings_ = store_.Load();
        store_.Attach(engine.Tape(), settings_);
    }

    // What the window does after every user action.
    void Recorded() {
        StoreEngineState(engine_, settings_);
        store_.Recorded(settings_);
    }
    TSettingsStore& Store() { return store_; }

private:
    TTapeEngine& engine_;
    QTemporaryDir dir_;
    TSettingsStore store_;
    TStoredSettings settings_;
};
