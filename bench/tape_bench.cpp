// The tape on long tapes: a whole evaluation, a number and its operator at
// the end of the tape (also kept on disk with the journal, and with the count
// the subtotal panel shows), the
// counts of a whole tape, a grand total at the end, Ctrl+Z after F8, and, as
// the yardstick of the evaluation, strtod over the same value texts. The tape is shown by its grid
// view (not on screen), as in the program.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "bench/durabletape.h"
#include "calculator/tapeview.h"
#include "controls/grid/gridex.h"
#include "tape/tapeengine.h"

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

// A tape of `rows` rows, evaluated once so that every row holds its value,
// with the first free row current.
struct Tape {
    explicit Tape(int32_t rows) : paper(std::make_unique<TGridEx>()), view(*paper, engine) {
        std::vector<TTapeRow> tape(static_cast<size_t>(rows));
        for (int32_t row = 0; row < rows; ++row) {
            const PatternRow& p = kPattern[row % kPatternRows];
            TTapeRow& r = tape[static_cast<size_t>(row)];
            r.SetField(TTapeField::Value, p.value);
            r.SetField(TTapeField::Operator, p.op);
            if (row % kPatternRows == kLinkedRow)
                r.SetField(TTapeField::Link, std::to_string(row - kLinkedRow));
        }
        engine.Resume({std::move(tape), true, 0, {.currentRow = rows}});
        engine.RecalcTape(rows - 1);
    }
    std::vector<std::string> ValueTexts() const {
        std::vector<std::string> texts;
        for (int32_t row = 0; row < engine.Tape().UsedRows(); ++row)
            texts.push_back(engine.Tape().Value(row));
        return texts;
    }

    TTapeEngine engine;
    std::unique_ptr<TGridEx> paper;
    TTapeView view;
};

// A whole evaluation, as after loading, an option change or a conversion.
void BM_RecalcTape(benchmark::State& state) {
    Tape tape(static_cast<int32_t>(state.range(0)));
    const int32_t target = tape.engine.Tape().UsedRows() - 1;
    for (auto _ : state) {
        tape.engine.InvalidateEvaluation();
        benchmark::DoNotOptimize(tape.engine.RecalcTape(target));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_RecalcTape)->Arg(10'000)->Arg(100'000)->Arg(300'000)->Unit(benchmark::kMillisecond);

void BM_RecalcTapeWithoutRounding(benchmark::State& state) {
    Tape tape(static_cast<int32_t>(state.range(0)));
    tape.engine.ChangeOptions({.roundTotals = false, .roundCalculations = false});
    const int32_t target = tape.engine.Tape().UsedRows() - 1;
    for (auto _ : state) {
        tape.engine.InvalidateEvaluation();
        benchmark::DoNotOptimize(tape.engine.RecalcTape(target));
    }
}
BENCHMARK(BM_RecalcTapeWithoutRounding)->Arg(100'000)->Unit(benchmark::kMillisecond);

// A number and "+" at the end, as typed: the digits, the operator key with
// its write, move and evaluation, and its step of the undo history. The tape
// grows by a row a key.
void BM_KeyAtEndOfTape(benchmark::State& state) {
    Tape tape(static_cast<int32_t>(state.range(0)));
    for (auto _ : state) {
        for (const TTapeKey key : {DigitKey(1), DigitKey(2), TTapeKey::Comma, DigitKey(5)})
            tape.engine.Press(key);
        tape.engine.Press(TTapeKey::Plus);
    }
}
BENCHMARK(BM_KeyAtEndOfTape)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);

// The same kept on disk as the window keeps it: after each key its changes
// go to the journal (a write, no sync: a timer syncs within the second), and
// now and then the journal is folded into the file. Per key, not per number.
void BM_KeyAtEndOfTapeDurable(benchmark::State& state) {
    Tape tape(static_cast<int32_t>(state.range(0)));
    TDurableTape durable(tape.engine);
    for (auto _ : state) {
        for (const TTapeKey key :
             {DigitKey(1), DigitKey(2), TTapeKey::Comma, DigitKey(5), TTapeKey::Plus}) {
            tape.engine.Press(key);
            durable.Recorded();
        }
    }
    state.SetItemsProcessed(state.iterations() * 5);
    state.counters["per_key_us"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * 5,
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_KeyAtEndOfTapeDurable)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);

// The same with the count beside the subtotal asked after each key, as the
// window asks it.
void BM_KeyAtEndOfTapeWithCount(benchmark::State& state) {
    Tape tape(static_cast<int32_t>(state.range(0)));
    const TTapeDocument& document = tape.engine.Tape();
    for (auto _ : state) {
        for (const TTapeKey key : {DigitKey(1), DigitKey(2), TTapeKey::Comma, DigitKey(5)})
            tape.engine.Press(key);
        tape.engine.Press(TTapeKey::Plus);
        benchmark::DoNotOptimize(document.Counts().Running(document.CurrentRow() - 1));
    }
}
BENCHMARK(BM_KeyAtEndOfTapeWithCount)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);

// Every row counted from nothing, as after Ctrl+Z of F8 or for a CSV export.
void BM_CountWholeTape(benchmark::State& state) {
    Tape tape(static_cast<int32_t>(state.range(0)));
    const TTapeDocument& document = tape.engine.Tape();
    for (auto _ : state) {
        const TTapeCounts counts(document);
        benchmark::DoNotOptimize(counts.Running(document.UsedRows()));
    }
}
BENCHMARK(BM_CountWholeTape)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// "g" at the end, summing every total of the tape, then Ctrl+Z.
void BM_GrandTotalAtEnd(benchmark::State& state) {
    Tape tape(static_cast<int32_t>(state.range(0)));
    for (auto _ : state) {
        tape.engine.Press(TTapeKey::GrandTotal);
        tape.engine.Undo();
    }
}
BENCHMARK(BM_GrandTotalAtEnd)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// Ctrl+Z after F8: the cleared rows come back. F8 itself is not timed.
void BM_UndoClearTape(benchmark::State& state) {
    Tape tape(static_cast<int32_t>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        tape.engine.ClearTape();
        state.ResumeTiming();
        tape.engine.Undo();
    }
}
BENCHMARK(BM_UndoClearTape)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(20);

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

// The tape view is a widget: the benchmarks need an application, on no screen.
