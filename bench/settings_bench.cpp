// The settings and tape file with a long tape: writing it when the window
// goes away, and creating the window, which reads it back; and the start
// with several tapes in tabs.

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <memory>
#include <string>

#include "calculator/calculadora.h"
#include "calculator/tapelist.h"
#include "calculator/tapeset.h"
#include "tape/tapeengine.h"

namespace {

constexpr int32_t kRows = 100'000;

// `rows` rows of typed numbers and operators, as the tape in use.
void ResumeTape(TCalculadora& window, int32_t rows) {
    static constexpr const char* kOperators[] = {"+", "-", "x", "+"};
    std::vector<TTapeRow> tape(static_cast<size_t>(rows));
    for (int32_t row = 0; row < rows; ++row) {
        tape[static_cast<size_t>(row)].SetField(TTapeField::Value,
                                                std::to_string(row % 977) + ",25");
        tape[static_cast<size_t>(row)].SetField(TTapeField::Operator, kOperators[row % 4]);
    }
    window.Engine().Resume({std::move(tape), false, 0, {.currentRow = rows}});
}

// A window whose tape holds `rows` rows, opened on no settings file and no
// other tape.
std::unique_ptr<TCalculadora> WindowWithTape(int32_t rows) {
    QFile::remove(QString::fromStdString(TCalculadora::SettingsFileName(true)));
    QDir data(QString::fromStdString(TTapeSet::DefaultFolder()));
    for (const QString& file :
         data.entryList({QStringLiteral("oberta-*"), QString::fromLatin1(kTapeListFileName)}))
        data.remove(file);
    auto window = std::make_unique<TCalculadora>();
    ResumeTape(*window, rows);
    return window;
}

void BM_WriteSettings(benchmark::State& state) {
    const auto window = WindowWithTape(static_cast<int32_t>(state.range(0)));
    for (auto _ : state)
        window->WriteSettings();
}
BENCHMARK(BM_WriteSettings)->Arg(kRows)->Unit(benchmark::kMillisecond);

// The window created on what the last session wrote; its end is not timed.
void TimeWindowStarts(benchmark::State& state) {
    for (auto _ : state) {
        auto window = std::make_unique<TCalculadora>();
        benchmark::DoNotOptimize(window.get());
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}

void BM_OpenWindow(benchmark::State& state) {
    WindowWithTape(static_cast<int32_t>(state.range(0)))->WriteSettings();
    TimeWindowStarts(state);
}
BENCHMARK(BM_OpenWindow)->Arg(0)->Arg(kRows)->Unit(benchmark::kMillisecond);

// range(0) tapes of 10,000 rows each in tabs, written whole at the end of a
// session whose last tape in use was the first (range(1) 0) or the last
// (range(1) 1), then opened again: the start reads the first tape and the
// one in use.
void BM_OpenWindowWithTapes(benchmark::State& state) {
    constexpr int32_t kTapeRows = 10'000;
    {
        const auto window = WindowWithTape(kTapeRows);
        for (int64_t tape = 1; tape < state.range(0); ++tape) {
            window->Tapes().Add();
            ResumeTape(*window, kTapeRows);
        }
        if (state.range(1) == 0) window->Tapes().Select(0);
        window->WriteSettings();
    }
    TimeWindowStarts(state);
}
BENCHMARK(BM_OpenWindowWithTapes)
    ->Args({1, 0})
    ->Args({10, 0})
    ->Args({10, 1})
    ->Args({50, 1})
    ->Unit(benchmark::kMillisecond);

}  // namespace
