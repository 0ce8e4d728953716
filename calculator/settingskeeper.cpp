#include "calculator/settingskeeper.h"

#include "basic/platformerror.h"
#include "tape/tapeengine.h"

namespace {

// The journal's writes reach the disk within a second of the key.
constexpr int kSyncMilliseconds = 500;

}  // namespace

TSettingsKeeper::TSettingsKeeper(std::string path, TTapeEngine& engine, TCurrent current,
                                 TSettingsStore::TBase base)
    : store_(std::move(path), base), engine_(engine), current_(std::move(current)) {
    record_.setSingleShot(true);
    record_.setInterval(0);
    connect(&record_, &QTimer::timeout, this, [this] { Record(); });
    sync_.setSingleShot(true);
    sync_.setInterval(kSyncMilliseconds);
    connect(&sync_, &QTimer::timeout, this, [this] { Sync(); });
}

TSettingsKeeper::~TSettingsKeeper() {
    engine_.Tape().RemoveObserver(this);
}

// Every change of the engine's state and of its tape is recorded. A file that
// cannot be read leaves the first run's tape, which is still recorded and
// written: the failures then say why.
TStoredSettings TSettingsKeeper::Start() {
    engine_.Tape().AddObserver(this);
    for (const auto signal : {&TTapeEngine::EntryTextChanged, &TTapeEngine::SubtotalTextChanged})
        connect(&engine_, signal, this, [this] { Changed(); });
    for (const auto signal :
         {&TTapeEngine::SettingsChanged, &TTapeEngine::HistoryChanged, &TTapeEngine::Evaluated})
        connect(&engine_, signal, this, [this] { Changed(); });
    try {
        return store_.Start(engine_);
    } catch (const PlatformError&) {
        store_.Attach(engine_.Tape(), TStoredSettings());
        throw;
    }
}

void TSettingsKeeper::Changed() {
    folded_ = false;
    if (!record_.isActive()) record_.start();
}

// A record that changes nothing writes nothing.
void TSettingsKeeper::Record() {
    store_.Recorded(current_());
    if (store_.SyncDue() && !sync_.isActive()) sync_.start();
    TellFailure();
}

void TSettingsKeeper::Sync() {
    store_.Sync();
    if (store_.SyncDue()) sync_.start();
    TellFailure();
}

void TSettingsKeeper::Fold() {
    record_.stop();
    store_.Recorded(current_());
    try {
        store_.Fold();
    } catch (const PlatformError&) {
        TellFailure();
        throw;
    }
    folded_ = true;
    TellFailure();
}

void TSettingsKeeper::TellFailure() {
    if (store_.Failure() == toldFailure_) return;
    toldFailure_ = store_.Failure();
    Q_EMIT FailureChanged(QString::fromStdString(toldFailure_));
}
