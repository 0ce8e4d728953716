#pragma once

// A program's session on a settings file, as the window runs it: the file
// loaded onto a tape engine, the journal played, every action recorded;
// destroyed without Fold it is a program that was killed.

#include <QTemporaryDir>
#include <memory>
#include <string>

#include "basic/stringlists.h"
#include "calculator/settingsstore.h"
#include "tape/tapeengine.h"
#include "tests/support/testfiles.h"
#include "tests/tape/tapeactions.h"
#include "tests/tape/tapestate.h"

class StoreSession {
public:
    explicit StoreSession(const std::string& path,
                          TSettingsStore::TBase base = TSettingsStore::TBase::SettingsFile)
        : store(path, base) {
        settings = store.Start(engine);
        settings.tape = {};
    }
    // Each word of the script is one action, recorded when it ends.
    void Play(const std::string& script) {
        for (const std::string& word : ScriptWords(script)) {
            PlayKeys(engine, word);
            Record();
        }
    }
    void Record() {
        TStoredSettings now = settings;
        StoreEngineState(engine, now);
        store.Recorded(now);
    }
    // The settings file a fold would write now.
    std::string FileText() const {
        TStoredSettings now = settings;
        StoreEngineState(engine, now);
        TArrayCadena lines;
        WriteStoredSettings(now, engine.Tape(), lines);
        return lines.Text();
    }
    WholeState State() const { return StateOf(engine); }

    TTapeEngine engine;
    TSettingsStore store;
    // What the window keeps besides the engine (place, rates, margin).
    TStoredSettings settings;
};

// A folder of its own with the settings file's path in it.
struct StoreFolder {
    QTemporaryDir dir;
    std::string ini = dir.path().toStdString() + "/Brimsum.Ini";
    std::string journal = ini + ".diari";
};

// What a start on copies of these files shows (a start on the files
// themselves would go on writing the journal beside a session still open).
inline WholeState StartOnCopies(const std::string& ini, const std::string& journal) {
    StoreFolder copy;
    if (ReadBytes(ini) != "<missing>") WriteBytes(copy.ini, ReadBytes(ini));
    if (ReadBytes(journal) != "<missing>") WriteBytes(copy.journal, ReadBytes(journal));
    return StoreSession(copy.ini).State();
}

// The state without the room, which a start makes anew from the rows.
inline WholeState WithoutRoom(WholeState state) {
    state.rowCount = 0;
    return state;
}
