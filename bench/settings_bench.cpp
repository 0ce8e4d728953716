// The settings and tape file with a long tape: writing it when the window
// goes away, and creating the window, which reads it back.

#include <benchmark/benchmark.h>

#include <QFile>
#include <memory>
#include <string>

#include "calculator/calculadora.h"
#include "tape/tapeengine.h"

namespace {

constexpr int32_t kRows = 100'000;

// A window whose tape holds `rows` rows of typed numbers and operators,
// opened on no settings file.
std::unique_ptr<TCalculadora> WindowWithTape(int32_t rows) {
    QFile::remove(QString::fromStdString(TCalculadora::SettingsFileName(true)));
    auto window = std::make_unique<TCalculadora>();
    static constexpr const char* kOperators[] = {"+", "-", "x", "+"};
    std::vector<TTapeRow> tape(static_cast<size_t>(rows));
    for (int32_t row = 0; row < rows; ++row) {
        tape[static_cast<size_t>(row)].SetField(TTapeField::Value,
                                                std::to_string(row % 977) + ",25");
        tape[static_cast<size_t>(row)].SetField(TTapeField::Operator, kOperators[row % 4]);
    }
    window->Engine().Resume({std::move(tape), false, 0, {.currentRow = rows}});
    return window;
}

void BM_WriteSettings(benchmark::State& state) {
    const auto window = WindowWithTape(static_cast<int32_t>(state.range(0)));
    for (auto _ : state)
        window->WriteSettings();
}
BENCHMARK(BM_WriteSettings)->Arg(kRows)->Unit(benchmark::kMillisecond);

void BM_OpenWindow(benchmark::State& state) {
    WindowWithTape(static_cast<int32_t>(state.range(0)))->WriteSettings();
    for (auto _ : state) {
        auto window = std::make_unique<TCalculadora>();
        benchmark::DoNotOptimize(window.get());
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenWindow)->Arg(0)->Arg(kRows)->Unit(benchmark::kMillisecond);

}  // namespace
