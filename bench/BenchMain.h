#pragma once
// A benchmark main with a QApplication on the offscreen platform, for benchmarks that
// draw text or build widgets.

#include <benchmark/benchmark.h>

#include <QApplication>

#define ZOZAVUD_BENCHMARK_MAIN_WITH_APPLICATION()                                                    \
    int main(int argc, char** argv) {                                                                \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen"); \
        QApplication app(argc, argv);                                                                \
        ::benchmark::Initialize(&argc, argv);                                                        \
        ::benchmark::RunSpecifiedBenchmarks();                                                       \
        ::benchmark::Shutdown();                                                                     \
        return 0;                                                                                    \
    }
