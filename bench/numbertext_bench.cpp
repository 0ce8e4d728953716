// Number text per call, beside the C library routines it competes with:
// TextToFloat against strtod, FloatToPlainText and FormatNumber against one
// snprintf("%.5f").

#include <benchmark/benchmark.h>

#include <QLocale>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "basic/numbertext.h"

namespace {

// Short numbers as the tape holds them, typed and stored.
const std::vector<std::string> kTypedTexts = {"12", "1234,56", "-7,25", "0,125", "99999,99999"};
const std::vector<std::string> kStoredTexts = {"12", "1234.56", "-7.25", "0.125", "99999.99999"};
const std::vector<double> kValues = {12.0, 1234.56, -7.25, 1.0 / 3, 99999.99999, 2.675};

void BM_TextToFloat(benchmark::State& state) {
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(TextToFloat(kTypedTexts[i++ % kTypedTexts.size()]));
    }
}
BENCHMARK(BM_TextToFloat);

void BM_strtod(benchmark::State& state) {
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            std::strtod(kStoredTexts[i++ % kStoredTexts.size()].c_str(), nullptr));
    }
}
BENCHMARK(BM_strtod);

void BM_FloatToPlainText(benchmark::State& state) {
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(FloatToPlainText(kValues[i++ % kValues.size()]));
}
BENCHMARK(BM_FloatToPlainText);

// Values that are no doubles take the slower long double conversion.
void BM_FloatToPlainTextExtended(benchmark::State& state) {
    long double value = 2.675L;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FloatToPlainText(value));
        value += 1e-16L;
    }
}
BENCHMARK(BM_FloatToPlainTextExtended);

void BM_FormatNumber(benchmark::State& state) {
    QLocale::setDefault(QLocale(QLocale::Catalan, QLocale::Spain));
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(FormatNumber(kValues[i++ % kValues.size()], 2));
}
BENCHMARK(BM_FormatNumber);

void BM_snprintf(benchmark::State& state) {
    char text[64];
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            std::snprintf(text, sizeof text, "%.5f", kValues[i++ % kValues.size()]));
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_snprintf);

}  // namespace

BENCHMARK_MAIN();
