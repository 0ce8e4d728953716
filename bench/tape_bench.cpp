// The tape's evaluation on long tapes: one RecalcTape of the whole tape, one
// number added at the end with its operator, and, as the yardstick, strtod
// over the same value texts.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "calculator/tapeengine.h"
#include "controls/grid/gridex.h"

namespace {

// Twelve rows that use every operator: a percent amount (row 6), a total
// (row 9) and a row linked to the first row of its block (row 10).
struct PatternRow {
    const char* value;
    const char* op;
};
constexpr PatternRow kPattern[] = {
    {"1234,56", "+"}, {"78,9", "-"},  {"3", "x"}, {"2,5", "/"}, {"4", "+"}, {"16", "%"},
    {"", "+"},        {"12,75", "+"}, {"5", "="}, {"", ""},     {"", "+"},  {"99,99", "+"},
};
constexpr int32_t kPatternRows = 12;
constexpr int32_t kLinkedRow = 10;

// A tape of `rows` rows, evaluated once so that every row holds its value.
struct Tape {
    explicit Tape(int32_t rows) : paper(std::make_unique<TGridEx>()), engine(*paper) {
        for (int32_t row = 0; row < rows; ++row) {
            const PatternRow& p = kPattern[row % kPatternRows];
            const int32_t block = row - row % kPatternRows;
            if (*p.value != '\0') paper->EscriureCella(row, 1, p.value);
            if (*p.op != '\0') paper->EscriureCella(row, 2, p.op);
            if (row % kPatternRows == kLinkedRow)
                paper->EscriureCella(row, 3, std::to_string(block));
        }
        paper->PosarFilaActual(rows);
        engine.RecalcTape(rows - 1);
    }
    std::vector<std::string> ValueTexts() const {
        std::vector<std::string> texts;
        for (int32_t row = 0; row < paper->FilesUsades(); ++row)
            texts.push_back(paper->LlegirCella(row, 1));
        return texts;
    }

    std::unique_ptr<TGridEx> paper;
    TTapeEngine engine;
};

void BM_RecalcTape(benchmark::State& state) {
    Tape tape(static_cast<int32_t>(state.range(0)));
    const int32_t target = tape.paper->FilesUsades() - 1;
    for (auto _ : state)
        benchmark::DoNotOptimize(tape.engine.RecalcTape(target));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_RecalcTape)->Arg(10'000)->Arg(30'000)->Arg(100'000)->Arg(300'000)->Unit(benchmark::kMillisecond);

void BM_RecalcTapeWithoutRounding(benchmark::State& state) {
    Tape tape(static_cast<int32_t>(state.range(0)));
    tape.engine.SetRoundTotals(false);
    tape.engine.SetRoundCalculations(false);
    const int32_t target = tape.paper->FilesUsades() - 1;
    for (auto _ : state)
        benchmark::DoNotOptimize(tape.engine.RecalcTape(target));
}
BENCHMARK(BM_RecalcTapeWithoutRounding)->Arg(100'000)->Unit(benchmark::kMillisecond);

// A new number and "+" at the end: the write, the move and the evaluation.
// The row is taken off again outside the timing.
void BM_ApplyOperatorAtEnd(benchmark::State& state) {
    Tape tape(static_cast<int32_t>(state.range(0)));
    const int32_t end = tape.paper->FilesUsades();
    for (auto _ : state) {
        tape.engine.ApplyOperator("12,5", TTapeOperator::Plus);
        state.PauseTiming();
        tape.paper->EscriureCella(end, 1, "");
        tape.paper->EscriureCella(end, 2, "");
        tape.paper->PosarFilaActual(end);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ApplyOperatorAtEnd)->Arg(100'000)->Unit(benchmark::kMillisecond);

// The yardstick: the same value texts read with strtod and summed.
void BM_StrtodBaseline(benchmark::State& state) {
    const std::vector<std::string> texts = Tape(static_cast<int32_t>(state.range(0))).ValueTexts();
    for (auto _ : state) {
        double sum = 0;
        for (const std::string& text : texts)
            sum += std::strtod(text.c_str(), nullptr);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_StrtodBaseline)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

}  // namespace

// The tape is a widget: the benchmarks need an application, on no screen.
