// The main of the benchmarks of windows: without a display they run on the offscreen
// platform. prima runs once the application exists, before the measures.
#pragma once

#include <QApplication>
#include <benchmark/benchmark.h>

namespace banco {

inline int mainfinestre(int argc, char** argv, void (*prima)() = nullptr) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    if (prima) prima();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace banco
