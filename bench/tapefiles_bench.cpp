// The tape's files on a long tape: export to CSV (target: 100,000 rows under
// 200 ms) and to PDF (under 5 s), a tape file saved and opened, and the
// archive keeping a tape before F8. Files go to a temporary folder.

#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <string>
#include <vector>

#include "bench/qtbenchmain.h"
#include "tape/tapedocument.h"
#include "tapefiles/tapearchive.h"
#include "tapefiles/tapecsv.h"
#include "tapefiles/tapefile.h"
#include "tapefiles/tapepdf.h"

namespace {

// Eight rows as a day at the till writes them: amounts typed and computed,
// a percent amount, a total, a linked row and a comment.
constexpr const char* kPattern[] = {
    "1234,56\t+\t\tfactura 2026-117",
    "78,9\t-\t",
    "16\t%\t",
    "12.62400\t+\t",
    "5\t=\t",
    "1168.28\t\t",
    "1168.28\t+\t",
    "99,99\t+\t",
};
constexpr int32_t kPatternRows = 8;

// A tape of `rows` rows; the seventh row of each block links to the total
// above it.
struct LongTape {
    explicit LongTape(int32_t rows) {
        for (int32_t row = 0; row < rows; ++row) {
            std::string line = kPattern[row % kPatternRows];
            if (row % kPatternRows == 6) line += std::to_string(row - 1);
            tape.WriteRowText(row, line);
        }
    }
    TTapeDocument tape;
    QTemporaryDir folder;
    std::string Path(const char* name) const { return folder.filePath(name).toStdString(); }
};

void BM_ExportCsv(benchmark::State& state) {
    const LongTape tape(static_cast<int32_t>(state.range(0)));
    for (auto _ : state)
        SaveTapeCsv(tape.tape, tape.Path("cinta.csv"), {';', ','});
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ExportCsv)->Arg(100'000)->Unit(benchmark::kMillisecond);

void BM_ExportPdf(benchmark::State& state) {
    const LongTape tape(static_cast<int32_t>(state.range(0)));
    for (auto _ : state)
        SaveTapePdf(tape.tape, 2, tape.Path("cinta.pdf"));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ExportPdf)->Arg(100'000)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SaveTapeFile(benchmark::State& state) {
    const LongTape tape(static_cast<int32_t>(state.range(0)));
    for (auto _ : state)
        SaveTapeFile(tape.tape, tape.Path("cinta.txt"));
}
BENCHMARK(BM_SaveTapeFile)->Arg(100'000)->Unit(benchmark::kMillisecond);

// Reading a file back into rows, each with its number read once.
void BM_OpenTapeFile(benchmark::State& state) {
    const LongTape tape(static_cast<int32_t>(state.range(0)));
    SaveTapeFile(tape.tape, tape.Path("cinta.txt"));
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadTapeFile(tape.Path("cinta.txt")));
}
BENCHMARK(BM_OpenTapeFile)->Arg(100'000)->Unit(benchmark::kMillisecond);

// What F8 adds before it clears: a file in the archive and the trim of the
// archive (here of up to 200 files).
void BM_ArchiveBeforeClear(benchmark::State& state) {
    const LongTape tape(static_cast<int32_t>(state.range(0)));
    TTapeArchive archive(tape.Path("cintes"));
    for (auto _ : state)
        archive.Keep(tape.tape);
}
BENCHMARK(BM_ArchiveBeforeClear)->Arg(1'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

}  // namespace
