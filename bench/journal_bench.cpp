// The journal that keeps the tape on disk as the user types: a number and
// "+" at the end of a long tape with and without it (the difference is the
// journal's part), the start of a long tape with 10,000 actions to replay
// against the start without them, and the journal's growth per key.

#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "basic/savedfile.h"
#include "basic/stringlists.h"
#include "bench/durabletape.h"
#include "calculator/settingsstore.h"
#include "tape/tapeengine.h"

namespace {

// A tape of `rows` typed numbers and operators, the first free row current.
void FillTape(TTapeEngine& engine, int32_t rows) {
    static constexpr const char* kOperators[] = {"+", "-", "x", "+", "=", ""};
    std::vector<TTapeRow> tape(static_cast<size_t>(rows));
    for (int32_t row = 0; row < rows; ++row) {
        TTapeRow& r = tape[static_cast<size_t>(row)];
        r.SetField(TTapeField::Value, std::to_string(row % 977) + ",25");
        r.SetField(TTapeField::Operator, kOperators[row % 6]);
    }
    engine.Resume({std::move(tape), false, 0, {.currentRow = rows}});
    engine.RecalcTape(rows - 1);
}

// The engine's key of a character: a digit, ",", an operator, "<" for Enter.
TTapeKey KeyOf(char c) {
    switch (c) {
        case ',':
            return TTapeKey::Comma;
        case '+':
            return TTapeKey::Plus;
        case '-':
            return TTapeKey::Minus;
        case 'x':
            return TTapeKey::Times;
        case '%':
            return TTapeKey::Percent;
        case '=':
            return TTapeKey::Total;
        case '<':
            return TTapeKey::Enter;
        default:
            return DigitKey(c - '0');
    }
}

// Each character one key, each key a user action.
void Type(TTapeEngine& engine, TDurableTape* durable, const char* keys) {
    for (const char* c = keys; *c != '\0'; ++c) {
        engine.Press(KeyOf(*c));
        if (durable != nullptr) durable->Recorded();
    }
}

// "12,5 +": four entry keys and an operator key.
void TypeNumberAndPlus(TTapeEngine& engine, TDurableTape* durable) {
    Type(engine, durable, "12,5+");
}

void BM_KeysAtEndOfTape(benchmark::State& state) {
    TTapeEngine engine;
    FillTape(engine, static_cast<int32_t>(state.range(0)));
    for (auto _ : state)
        TypeNumberAndPlus(engine, nullptr);
    state.SetItemsProcessed(state.iterations() * 5);
}
BENCHMARK(BM_KeysAtEndOfTape)->Arg(1'000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);

// The same with every key recorded and written to the journal (write(2), no
// sync: the window syncs from a timer). A fold now and then is part of it.
void BM_KeysAtEndOfTapeJournaled(benchmark::State& state) {
    TTapeEngine engine;
    FillTape(engine, static_cast<int32_t>(state.range(0)));
    TDurableTape durable(engine);
    for (auto _ : state)
        TypeNumberAndPlus(engine, &durable);
    state.SetItemsProcessed(state.iterations() * 5);
}
BENCHMARK(BM_KeysAtEndOfTapeJournaled)->Arg(1'000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);

// A row deleted in the middle of a long tape and opened again: the rows
// below move (in the tape and in the journal's replay alike); the journal
// records two small changes each.
void BM_DeleteAndOpenInTheMiddle(benchmark::State& state) {
    TTapeEngine engine;
    FillTape(engine, static_cast<int32_t>(state.range(0)));
    std::unique_ptr<TDurableTape> durable;
    if (state.range(1) != 0) durable = std::make_unique<TDurableTape>(engine);
    for (auto _ : state) {
        engine.SelectRow(static_cast<int32_t>(state.range(0) / 2));
        engine.DeleteTapeRow();
        if (durable) durable->Recorded();
        engine.OpenRow();
        if (durable) durable->Recorded();
    }
}
BENCHMARK(BM_DeleteAndOpenInTheMiddle)
    ->Args({1'000'000, 0})
    ->Args({1'000'000, 1})
    ->Unit(benchmark::kMillisecond);

// The settings file written whole and a new journal started: at the end, and
// after every kFoldBytes of journal (some 100,000 keys).
void BM_FoldOfALongTape(benchmark::State& state) {
    TTapeEngine engine;
    FillTape(engine, static_cast<int32_t>(state.range(0)));
    TDurableTape durable(engine);
    for (auto _ : state)
        durable.Store().Fold();
}
BENCHMARK(BM_FoldOfALongTape)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(5);

// The sync the window's timer asks for after a key.
void BM_SyncAfterAKey(benchmark::State& state) {
    TTapeEngine engine;
    FillTape(engine, 1000);
    TDurableTape durable(engine);
    for (auto _ : state) {
        state.PauseTiming();
        TypeNumberAndPlus(engine, &durable);
        state.ResumeTiming();
        durable.Store().Sync();
    }
}
BENCHMARK(BM_SyncAfterAKey)->Unit(benchmark::kMillisecond)->Iterations(50);

// A settings file of `rows` rows, and beside it a journal of `actions`
// actions typed at the end of the tape (none: no journal).
struct StoredTape {
    StoredTape(int32_t rows, int actions) {
        TTapeEngine engine;
        FillTape(engine, rows);
        TStoredSettings settings;
        StoreEngineState(engine, settings);
        TArrayCadena lines;
        WriteStoredSettings(settings, engine.Tape(), lines);
        TSavedFile file(ini);
        file.Write(lines.Text());
        file.Commit();
        if (actions == 0) return;
        TTapeEngine loaded;
        TSettingsStore store(ini);
        TStoredSettings stored = store.Start(loaded);
        for (int i = 0; i < actions; ++i) {
            loaded.Press(KeyOf("12,5+"[i % 5]));
            StoreEngineState(loaded, stored);
            store.Recorded(stored);
        }
        journalBytes = store.JournalBytes();
    }
    QTemporaryDir dir;
    std::string ini = dir.path().toStdString() + "/Brimsum.Ini";
    uint64_t journalBytes = 0;
};

// The start as the window makes it, up to the tape ready on the engine.
void Start(const std::string& ini) {
    TTapeEngine engine;
    TSettingsStore store(ini);
    store.Start(engine);
    benchmark::DoNotOptimize(engine.Tape().UsedRows());
}

// A tape of range(0) rows with range(1) actions to replay; the last case is
// a journal about to be folded.
void BM_StartOfATape(benchmark::State& state) {
    const StoredTape stored(static_cast<int32_t>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state)
        Start(stored.ini);
    state.counters["journal_bytes"] = static_cast<double>(stored.journalBytes);
}
BENCHMARK(BM_StartOfATape)
    ->Args({1'000'000, 0})
    ->Args({1'000'000, 10'000})
    ->Args({1'000, 95'000})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

// What a typical session adds to the journal per key: numbers typed with
// their operators, totals, a comma, Enter.
void BM_JournalBytesPerKey(benchmark::State& state) {
    static constexpr const char kSession[] = "1250,5+380-12,5=200+16%75x4=9<";
    uint64_t keys = 0;
    uint64_t bytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        TTapeEngine engine;
        FillTape(engine, 1000);
        TDurableTape durable(engine);
        const uint64_t before = durable.Store().JournalBytes();
        state.ResumeTiming();
        Type(engine, &durable, kSession);
        keys += sizeof(kSession) - 1;
        bytes += durable.Store().JournalBytes() - before;
    }
    state.counters["bytes_per_key"] = static_cast<double>(bytes) / static_cast<double>(keys);
}
BENCHMARK(BM_JournalBytesPerKey)->Unit(benchmark::kMicrosecond)->Iterations(20);

}  // namespace

BENCHMARK_MAIN();
