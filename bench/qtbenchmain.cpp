#include "bench/qtbenchmain.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLocale>
#include <QTemporaryDir>
#include <vector>

namespace {

std::vector<std::function<void()>>& Cleanups() {
    static std::vector<std::function<void()>> cleanups;
    return cleanups;
}

}  // namespace

void AtBenchmarkEnd(std::function<void()> cleanup) {
    Cleanups().push_back(std::move(cleanup));
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    QTemporaryDir data;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Catalan, QLocale::Spain));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    for (const auto& cleanup : Cleanups())
        cleanup();
    return 0;
}
