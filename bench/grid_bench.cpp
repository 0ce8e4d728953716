// The tape grid at 100,000 rows: filling it, reading every value, the used-row
// count the calculator asks for after every key, and opening or deleting the
// top row. Run with no display: the program uses Qt's offscreen platform.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>
#include <string>

#include "bench/qtbenchmain.h"
#include "controls/grid/gridex.h"

namespace {

constexpr int kRows = 100'000;

// Shaped as the tape: column 0 hidden, value, operator, and a link column
// that the first link creates.
std::unique_ptr<TGridEx> TapeGrid() {
    auto grid = std::make_unique<TGridEx>();
    grid->SetColCount(3);
    grid->SetFixedCols(0);
    grid->SetFixedRows(0);
    grid->SetRowCount(300);
    grid->SetDefaultRowHeight(16);
    grid->SetColWidths(0, -1);
    grid->SetColWidths(1, 118);
    grid->SetColWidths(2, 25);
    grid->SetSn_ColumnaZero(false);
    grid->Columnes[1].Tipus = TDisplayFormat::Number;
    grid->Columnes[1].Decimals = 2;
    return grid;
}

void Fill(TGridEx& grid) {
    static const char* const kOperators[] = {"+", "-", "x", "/", "=", "%"};
    for (int r = 0; r < kRows; ++r) {
        grid.EscriureCella(r, 1, std::to_string(r * 7 % 100'000) + ".25");
        grid.EscriureCella(r, 2, kOperators[r % 6]);
        grid.EscriureCella(r, 3, std::to_string(r / 2));
    }
}

// Shared by the benchmarks that read or reshape a full tape; main() frees it
// while the application still exists.
std::unique_ptr<TGridEx> filledTape;

TGridEx& FilledTape() {
    if (!filledTape) {
        filledTape = TapeGrid();
        AtBenchmarkEnd([] { filledTape.reset(); });
        Fill(*filledTape);
    }
    return *filledTape;
}

void BM_FillTape(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto grid = TapeGrid();
        state.ResumeTiming();
        Fill(*grid);
        benchmark::DoNotOptimize(grid->RowCount());
        state.PauseTiming();
        grid.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FillTape)->Unit(benchmark::kMillisecond);

// The same on a tape on screen, the view brought up to date at the end.
void BM_FillTapeShown(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto grid = TapeGrid();
        grid->resize(170, 400);
        grid->show();
        QApplication::processEvents();
        state.ResumeTiming();
        Fill(*grid);
        grid->PosarFilaActual(kRows);
        QApplication::processEvents();
        state.PauseTiming();
        grid.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FillTapeShown)->Unit(benchmark::kMillisecond);

void BM_ReadValues(benchmark::State& state) {
    TGridEx& grid = FilledTape();
    for (auto _ : state) {
        size_t total = 0;
        for (int r = 0; r < kRows; ++r)
            total += grid.LlegirCella(r, 1).size();
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_ReadValues)->Unit(benchmark::kMillisecond);

void BM_FilesUsades(benchmark::State& state) {
    TGridEx& grid = FilledTape();
    for (auto _ : state)
        benchmark::DoNotOptimize(grid.FilesUsades());
}
BENCHMARK(BM_FilesUsades);

// After every key the calculator writes a cell and asks again.
void BM_WriteThenFilesUsades(benchmark::State& state) {
    TGridEx& grid = FilledTape();
    int r = 0;
    for (auto _ : state) {
        grid.EscriureCella(kRows - 1 - r % 100, 2, r % 2 == 0 ? "+" : "-");
        ++r;
        benchmark::DoNotOptimize(grid.FilesUsades());
    }
}
BENCHMARK(BM_WriteThenFilesUsades);

void BM_InsertarFilaTop(benchmark::State& state) {
    TGridEx& grid = FilledTape();
    for (auto _ : state) {
        grid.InsertarFila(0);
        state.PauseTiming();
        grid.EsborrarFila(0);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_InsertarFilaTop)->Unit(benchmark::kMillisecond);

void BM_EsborrarFilaTop(benchmark::State& state) {
    TGridEx& grid = FilledTape();
    for (auto _ : state) {
        state.PauseTiming();
        grid.InsertarFila(0);
        grid.EscriureCella(0, 1, "1");
        state.ResumeTiming();
        grid.EsborrarFila(0);
    }
}
BENCHMARK(BM_EsborrarFilaTop)->Unit(benchmark::kMillisecond);

}  // namespace
