#include "calculator/settingsstore.h"

#include <charconv>
#include <optional>

#include "basic/platformerror.h"
#include "basic/stringlists.h"
#include "tape/tapedocument.h"
#include "tape/tapeengine.h"
#include "tapefiles/tapefile.h"

namespace {

// The settings line a key names: "1" to "20", but not the current row's,
// which comes with the tape.
std::optional<size_t> LineIndex(std::string_view key) {
    int line = 0;
    const auto [end, error] = std::from_chars(key.data(), key.data() + key.size(), line);
    if (error != std::errc() || end != key.data() + key.size() || line < 1 ||
        line > kLastSettingsLine || line == kCurrentRowLine)
        return std::nullopt;
    return static_cast<size_t>(line - 1);
}

}  // namespace

TSettingsStore::TLines TSettingsStore::LinesOf(const TStoredSettings& settings) {
    TArrayCadena lines;
    WriteSettingsLines(settings, lines);
    TLines texts;
    for (size_t i = 0; i < texts.size(); ++i)
        texts[i] = lines.ItemAt(static_cast<int>(i) + 1);
    return texts;
}

TStoredSettings TSettingsStore::Start(TTapeEngine& engine) {
    TStoredSettings stored = Load();
    TTapeDocument tape;
    LoadStoredTape(stored, tape);
    Replay(tape, stored);
    ResumeStoredTape(stored, tape, engine);
    Attach(engine.Tape(), stored);
    return stored;
}

// A missing or empty tape file is an empty tape.
TStoredSettings TSettingsStore::Load() {
    const std::string& text = journal_.ReadBase();
    if (base_ == TBase::TapeFile) {
        TStoredSettings stored = ReadStoredSettings(TArrayCadena());
        if (!text.empty()) stored.tape = ReadTapeFileText(text).tape;
        return stored;
    }
    TArrayCadena lines;
    lines.AddLines(text);
    return ReadStoredSettings(lines);
}

// The lines the journal writes take the places of those of the file; the
// settings are then read from the lines as from a file.
void TSettingsStore::Replay(TTapeDocument& tape, TStoredSettings& settings) {
    TLines lines = LinesOf(settings);
    journal_.Replay(tape, [&lines](std::string_view key, std::string_view value) {
        if (const std::optional<size_t> line = LineIndex(key)) lines[*line] = value;
    });
    TArrayCadena array;
    for (size_t i = 0; i < lines.size(); ++i)
        array.SetItemAt(static_cast<int>(i) + 1, lines[i]);
    TStoredSettings replayed = ReadStoredSettings(array);
    replayed.currentRow = tape.CurrentRow();
    replayed.tape = std::move(settings.tape);
    settings = std::move(replayed);
}

void TSettingsStore::Attach(const TTapeDocument& tape, const TStoredSettings& settings) {
    tape_ = &tape;
    settings_ = settings;
    settings_.tape = {};
    lines_ = LinesOf(settings_);
    journal_.Attach(tape);
}

void TSettingsStore::Recorded(const TStoredSettings& settings) {
    if (tape_ == nullptr) return;
    settings_ = settings;
    settings_.tape = {};
    RecordLines(LinesOf(settings_));
    journal_.EndAction();
    if (!foldFailed_) FoldIfDue();
}

void TSettingsStore::RecordLines(const TLines& lines) {
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i] != lines_[i] && LineIndex(std::to_string(i + 1)))
            journal_.Recorder().Setting(std::to_string(i + 1), lines[i]);
    }
    lines_ = lines;
}

void TSettingsStore::Sync() {
    journal_.Sync();
    if (foldFailed_) FoldIfDue();
}

void TSettingsStore::FoldIfDue() {
    if (!journal_.FoldDue() && !foldFailed_) return;
    try {
        Fold();
    } catch (const PlatformError&) {
        // Failure() says why; Sync tries again.
    }
}

// A tape file holds no settings and no current row: they are the first
// record of the new journal.
void TSettingsStore::Fold() {
    if (tape_ == nullptr) return;
    std::string text;
    if (base_ == TBase::TapeFile) {
        text = TapeFileText(*tape_);
    } else {
        TStoredSettings settings = settings_;
        settings.currentRow = tape_->CurrentRow();
        TArrayCadena lines;
        WriteStoredSettings(settings, *tape_, lines);
        text = lines.Text();
    }
    foldFailed_ = true;
    journal_.Fold(text);
    foldFailed_ = false;
    if (base_ == TBase::TapeFile) {
        lines_ = LinesOf(ReadStoredSettings(TArrayCadena()));
        RecordLines(LinesOf(settings_));
        journal_.Recorder().CurrentRowSet(tape_->CurrentRow());
        journal_.EndAction();
    }
}
