#pragma once

// The main() of the benchmarks that need a QApplication (bench/qtbenchmain.cpp):
// the offscreen platform unless another is asked for, a Catalan default
// locale, and settings and data folders of their own, so that no user's
// tape or archive is touched.

#include <functional>

// Runs `cleanup` after the benchmarks, while the application still exists
// (for widgets kept from one benchmark to the next).
void AtBenchmarkEnd(std::function<void()> cleanup);
