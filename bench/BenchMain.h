#pragma once
// The entry of every window benchmark: an application on the offscreen
// platform around Google Benchmark's own main.
#include <QApplication>
#include <benchmark/benchmark.h>

inline int runWindowBenchmarks(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
