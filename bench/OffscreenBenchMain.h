#pragma once
// The main of the benchmarks that draw or use widgets: Qt without a display.

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>

inline int RunBenchmarksOffscreen(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
