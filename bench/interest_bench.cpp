// The interest window's recalculation with a long loan: both loans, the
// differences and the amortization table of the active one, for a 30-year
// (360 instalments) and a 100-year (1,200) term; then the table alone, and
// the copy text. Run with no display: the program uses Qt's offscreen
// platform.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>

#include "basic/dates.h"
#include "controls/grid/gridex.h"
#include "controls/panel/panelex.h"
#include "interest/amortization.h"
#include "interest/interes.h"

namespace {

std::unique_ptr<TInteres> LoanWindow(int years, bool shown) {
    auto window = std::make_unique<TInteres>();
    const auto set = [&](const char* name, double value) {
        window->findChild<TPanelEx*>(QString::fromLatin1(name))->SetValue(value);
    };
    set("Capital1", 15'000'000);  // 150,000 units, in hundredths
    set("Interes1", 3.75);
    set("Anys1", years);
    set("Mesos1", years * 12);
    set("Capital2", 15'000'000);
    set("Interes2", 3.5);
    set("Mesos2", years * 12);
    if (shown) {
        window->show();
        QApplication::processEvents();
    }
    window->SelectLoan(1);
    return window;
}

// What a change of the start date does: everything is computed again.
void BM_Recalculate(benchmark::State& state) {
    const auto window = LoanWindow(static_cast<int>(state.range(0)), state.range(1) != 0);
    for (auto _ : state)
        window->DataChange(nullptr);
    state.counters["rows"] = window->findChild<TGridEx*>(QStringLiteral("Amort"))->FilesUsades();
}
BENCHMARK(BM_Recalculate)
    ->ArgsProduct({{30, 100, 1000}, {0, 1}})
    ->ArgNames({"years", "shown"})
    ->Unit(benchmark::kMillisecond);

void BM_AmortizationTable(benchmark::State& state) {
    const int32_t months = static_cast<int32_t>(state.range(0));
    const TDateTime start = TodayDateValue();
    for (auto _ : state)
        benchmark::DoNotOptimize(AmortizationTable(15'000'000, 3.75, 69'467.43, months, start));
}
BENCHMARK(BM_AmortizationTable)->Arg(360)->Arg(1200)->Unit(benchmark::kMicrosecond);

void BM_CopyText(benchmark::State& state) {
    const auto window = LoanWindow(100, false);
    for (auto _ : state)
        benchmark::DoNotOptimize(window->AmortCopyText());
}
BENCHMARK(BM_CopyText)->Unit(benchmark::kMillisecond);

}  // namespace
