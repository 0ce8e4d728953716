// The line file at the sizes a long tape reaches: loading and saving 100,000
// tape rows, and loading one line of 10 MB. Also the field split of one row.

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include "basic/stringlists.h"

namespace {

QTemporaryDir& Folder() {
    static QTemporaryDir dir;
    return dir;
}

std::string TapeRow(int i) {
    return std::to_string(i) + ".25\t+\t" + (i % 7 ? "" : "3");
}

TArrayCadena TapeOf(int rows) {
    TArrayCadena tape;
    for (int i = 0; i < rows; ++i)
        tape.Add(TapeRow(i));
    return tape;
}

std::string WrittenFile(const char* name, const TStringList& list) {
    const std::string path = Folder().filePath(name).toStdString();
    list.SaveToFile(path);
    return path;
}

void BM_Load100kRows(benchmark::State& state) {
    const std::string path = WrittenFile("rows.txt", TapeOf(100000));
    for (auto _ : state) {
        TArrayCadena tape;
        tape.LoadFromFile(path);
        benchmark::DoNotOptimize(tape.Count());
    }
}
BENCHMARK(BM_Load100kRows)->Unit(benchmark::kMillisecond);

void BM_Save100kRows(benchmark::State& state) {
    const TArrayCadena tape = TapeOf(100000);
    const std::string path = Folder().filePath("save.txt").toStdString();
    for (auto _ : state)
        tape.SaveToFile(path);
}
BENCHMARK(BM_Save100kRows)->Unit(benchmark::kMillisecond);

void BM_Load10MbLine(benchmark::State& state) {
    TArrayCadena one;
    one.Add(std::string(10 << 20, '7'));
    const std::string path = WrittenFile("line.txt", one);
    for (auto _ : state) {
        TArrayCadena list;
        list.LoadFromFile(path);
        benchmark::DoNotOptimize(list.Count());
    }
}
BENCHMARK(BM_Load10MbLine)->Unit(benchmark::kMillisecond);

void BM_SplitTapeRow(benchmark::State& state) {
    const std::string row = "1234.56\t+\t17";
    std::vector<std::string> fields;
    for (auto _ : state)
        benchmark::DoNotOptimize(SplitFields(row, "\t", fields, 0));
}
BENCHMARK(BM_SplitTapeRow);

// The same row as a list of its own fields, as the grid splits each line.
void BM_SplitTapeRowList(benchmark::State& state) {
    const std::string row = "1234.56\t+\t17";
    for (auto _ : state)
        benchmark::DoNotOptimize(SplitFieldList(row, "\t", 0));
}
BENCHMARK(BM_SplitTapeRowList);

}  // namespace

BENCHMARK_MAIN();
