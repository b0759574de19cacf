#pragma once

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>

// The benchmarks of windows run on Qt's offscreen platform, with one
// application object for the whole run.
#define KESTROVA_OFFSCREEN_BENCHMARK_MAIN()                                                       \
    int main(int argc, char** argv) {                                                             \
        setenv("QT_QPA_PLATFORM", "offscreen", 1);                                                \
        QApplication application(argc, argv);                                                     \
        benchmark::Initialize(&argc, argv);                                                       \
        benchmark::RunSpecifiedBenchmarks();                                                      \
        benchmark::Shutdown();                                                                    \
        return 0;                                                                                 \
    }
