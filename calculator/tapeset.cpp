#include "calculator/tapeset.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <algorithm>

#include "basic/filebytes.h"
#include "basic/platformerror.h"
#include "basic/savedfile.h"
#include "basic/translation.h"
#include "tape/tapeengine.h"
#include "tapefiles/journaledtape.h"

struct TTapeSet::TOpenTape {
    std::string file;
    std::string name;
    std::unique_ptr<TTapeEngine> engine = std::make_unique<TTapeEngine>();
    // After the engine, which it watches.
    std::unique_ptr<TSettingsKeeper> keeper;
    // Read from its file and journal; until then the engine is empty.
    bool started = false;
};

namespace {

constexpr const char* kTapeName = QT_TRANSLATE_NOOP("TTapeSet", "Cinta %1");

void AddProblem(std::string& problems, const std::string& problem) {
    if (!problem.empty()) problems += (problems.empty() ? "" : "\n") + problem;
}

// The settings a tape of its own keeps: the engine's state.
TStoredSettings EngineSettings(const TTapeEngine& engine) {
    TStoredSettings settings;
    StoreEngineState(engine, settings);
    return settings;
}

}  // namespace

std::optional<std::string> TTapeSet::ListedFile(const std::string& folder,
                                                const std::string& name) {
    const std::optional<std::string> text = ReadFileBytes(folder + '/' + kTapeListFileName);
    TTapeList list = text ? ReadTapeList(*text) : TTapeList();
    if (list.tapes.front().name.empty())
        list.tapes.front().name = Filled(Tr("TTapeSet", kTapeName), {"1"});
    for (const TListedTape& tape : list.tapes) {
        if (tape.name == TapeNameText(name)) return tape.file;
    }
    return std::nullopt;
}

TTapeSet::TTapeSet(std::string settingsPath, std::string folder, TSettingsKeeper::TCurrent first)
    : folder_(std::move(folder)) {
    auto tape = std::make_unique<TOpenTape>();
    tape->name = Filled(Tr("TTapeSet", kTapeName), {"1"});
    tape->keeper =
        std::make_unique<TSettingsKeeper>(std::move(settingsPath), *tape->engine, std::move(first));
    Watch(*tape);
    tapes_.push_back(std::move(tape));
}

TTapeSet::~TTapeSet() = default;

std::string TTapeSet::DefaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString() +
           "/Tarvik";
}

TTapeEngine& TTapeSet::Engine(int index) const {
    return *tapes_.at(static_cast<size_t>(index))->engine;
}

TSettingsKeeper& TTapeSet::Keeper(int index) const {
    return *tapes_.at(static_cast<size_t>(index))->keeper;
}

const std::string& TTapeSet::Name(int index) const {
    return tapes_.at(static_cast<size_t>(index))->name;
}

std::unique_ptr<TTapeSet::TOpenTape> TTapeSet::MakeTape(std::string file, std::string name) {
    auto tape = std::make_unique<TOpenTape>();
    tape->file = std::move(file);
    tape->name = std::move(name);
    const TTapeEngine* engine = tape->engine.get();
    tape->keeper = std::make_unique<TSettingsKeeper>(
        folder_ + '/' + tape->file, *tape->engine, [engine] { return EngineSettings(*engine); },
        TSettingsStore::TBase::TapeFile);
    Watch(*tape);
    return tape;
}

void TTapeSet::Watch(const TOpenTape& tape) {
    connect(tape.keeper.get(), &TSettingsKeeper::FailureChanged, this, [this] { TellFailure(); });
    const TTapeEngine* engine = tape.engine.get();
    connect(engine, &TTapeEngine::HistoryChanged, this, [this, engine] {
        if (engine == &Current()) Q_EMIT HistoryChanged();
    });
}

TStoredSettings TTapeSet::StartFirst() {
    tapes_.front()->started = true;
    return tapes_.front()->keeper->Start();
}

// Only the tape in use is read now; the others when they are first needed.
void TTapeSet::OpenListed() {
    const std::optional<std::string> text = ReadFileBytes(folder_ + '/' + kTapeListFileName);
    if (!text) return;
    const TTapeList list = ReadTapeList(*text);
    if (!list.tapes.front().name.empty()) tapes_.front()->name = list.tapes.front().name;
    for (size_t i = 1; i < list.tapes.size(); ++i) {
        tapes_.push_back(MakeTape(list.tapes[i].file, list.tapes[i].name));
        if (tapes_.back()->name.empty()) tapes_.back()->name = NewTapeName();
    }
    Q_EMIT TapesChanged();
    Select(list.current);
}

bool TTapeSet::Load(int index, std::string& problems) {
    TOpenTape& tape = *tapes_[static_cast<size_t>(index)];
    if (tape.started) return true;
    try {
        tape.keeper->Start();
    } catch (const PlatformError& error) {
        AddProblem(problems, error.what());
        tapes_.erase(tapes_.begin() + index);
        if (index < current_) --current_;
        return false;
    }
    tape.started = true;
    if (!tape.keeper->ReplayProblem().empty())
        AddProblem(problems, tape.name + ": " + tape.keeper->ReplayProblem());
    return true;
}

int TTapeSet::Loaded(int index, std::string& problems) {
    while (!Load(index, problems)) {
        if (index == Count()) --index;
    }
    return index;
}

void TTapeSet::LoadAll() {
    std::string problems;
    const int count = Count();
    for (int index = 1; index < Count(); ++index) {
        if (!Load(index, problems)) --index;
    }
    if (Count() != count) Q_EMIT TapesChanged();
    if (!problems.empty()) throw PlatformError(problems);
}

void TTapeSet::Add() {
    std::unique_ptr<TOpenTape> tape = MakeTape(NewFileName(), NewTapeName());
    TTapeList list = List();
    list.tapes.push_back({tape->file, tape->name});
    list.current = static_cast<int>(list.tapes.size()) - 1;
    WriteList(list);
    tape->keeper->Start();
    tape->started = true;
    tapes_.push_back(std::move(tape));
    Q_EMIT TapesChanged();
    Select(Count() - 1);
}

void TTapeSet::Select(int index) {
    if (index < 0 || index >= Count()) return;
    std::string problems;
    index = Loaded(index, problems);
    const TTapeOptions options = Current().Options();
    listWritten_ = listWritten_ && index == current_;
    current_ = index;
    Current().ChangeOptions(options);
    Q_EMIT CurrentChanged();
    if (!problems.empty()) throw PlatformError(problems);
}

// The list goes first: a tape is never listed without its files.
void TTapeSet::Close(int index) {
    if (Count() < 2 || index < 1 || index >= Count()) return;
    TTapeList list = List();
    list.tapes.erase(list.tapes.begin() + index);
    list.current = std::min(current_ > index ? current_ - 1 : current_, Count() - 2);
    WriteList(list);
    const TTapeOptions options = Current().Options();
    std::unique_ptr<TOpenTape> closed = std::move(tapes_[static_cast<size_t>(index)]);
    tapes_.erase(tapes_.begin() + index);
    current_ = 0;
    std::string problems;
    current_ = Loaded(list.current, problems);
    Current().ChangeOptions(options);
    Q_EMIT TapesChanged();
    Q_EMIT CurrentChanged();
    // The views follow another tape before this one goes. What cannot be
    // removed stays unlisted, and no new tape takes its name.
    const std::string path = folder_ + '/' + closed->file;
    closed.reset();
    QFile::remove(QString::fromStdString(path));
    QFile::remove(QString::fromStdString(TJournaledTape::JournalPathOf(path)));
    if (!problems.empty()) throw PlatformError(problems);
}

void TTapeSet::Rename(int index, const std::string& name) {
    const std::string text = TapeNameText(name);
    if (text.empty() || index < 0 || index >= Count()) return;
    TTapeList list = List();
    list.tapes[static_cast<size_t>(index)].name = text;
    WriteList(list);
    tapes_[static_cast<size_t>(index)]->name = text;
    Q_EMIT TapesChanged();
}

void TTapeSet::Changed() {
    tapes_.front()->keeper->Changed();
    tapes_[static_cast<size_t>(current_)]->keeper->Changed();
}

void TTapeSet::Fold() {
    std::optional<PlatformError> failure;
    for (const std::unique_ptr<TOpenTape>& tape : tapes_) {
        try {
            tape->keeper->Fold();
        } catch (const PlatformError& error) {
            if (!failure) failure = error;
        }
    }
    try {
        WriteList(List());
    } catch (const PlatformError& error) {
        if (!failure) failure = error;
    }
    if (failure) throw *failure;
}

bool TTapeSet::Folded() const {
    return listWritten_ && std::all_of(tapes_.begin(), tapes_.end(),
                                       [](const auto& tape) { return tape->keeper->Folded(); });
}

bool TTapeSet::Kept() const {
    return std::all_of(tapes_.begin(), tapes_.end(),
                       [](const auto& tape) { return tape->keeper->Kept(); });
}

QString TTapeSet::Failure() const {
    for (const std::unique_ptr<TOpenTape>& tape : tapes_) {
        if (!tape->keeper->Failure().empty())
            return QString::fromStdString(tape->keeper->Failure());
    }
    return {};
}

void TTapeSet::TellFailure() {
    const QString failure = Failure();
    if (failure == toldFailure_) return;
    toldFailure_ = failure;
    Q_EMIT FailureChanged(failure);
}

// A number no open tape uses and no file left behind holds.
std::string TTapeSet::NewFileName() const {
    for (int number = 2;; ++number) {
        const std::string file = OwnTapeFileName(number);
        const bool used = std::any_of(tapes_.begin(), tapes_.end(),
                                      [&file](const auto& tape) { return tape->file == file; });
        const std::string path = folder_ + '/' + file;
        if (!used && !QFile::exists(QString::fromStdString(path)) &&
            !QFile::exists(QString::fromStdString(TJournaledTape::JournalPathOf(path))))
            return file;
    }
}

std::string TTapeSet::NewTapeName() const {
    for (int number = Count() + 1;; ++number) {
        const std::string name = Filled(Tr("TTapeSet", kTapeName), {std::to_string(number)});
        if (std::none_of(tapes_.begin(), tapes_.end(),
                         [&name](const auto& tape) { return tape->name == name; }))
            return name;
    }
}

TTapeList TTapeSet::List() const {
    TTapeList list;
    list.tapes.clear();
    for (const std::unique_ptr<TOpenTape>& tape : tapes_)
        list.tapes.push_back({tape->file, tape->name});
    list.current = current_;
    return list;
}

// The folder is made when it is missing.
void TTapeSet::WriteList(const TTapeList& list) {
    if (!QDir().mkpath(QString::fromStdString(folder_)))
        throw PlatformError(
            Filled(Tr("TCalculadora", "No s'ha pogut crear la carpeta %1"), {folder_}));
    TSavedFile file(folder_ + '/' + kTapeListFileName);
    file.Write(TapeListText(list));
    file.Commit();
    listWritten_ = list.current == current_;
}
