#pragma once

// The main() of a benchmark that builds windows, as BENCHMARK_MAIN() is for the others.
// Off screen unless a platform is named: QT_QPA_PLATFORM=xcb on an X display measures the
// windows as the user sees them.

#include <QApplication>
#include <benchmark/benchmark.h>

#define TALVO_WIDGET_BENCHMARK_MAIN()                                                                        \
    int main(int argc, char** argv) {                                                                        \
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))                                                   \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                                         \
        QApplication app(argc, argv);                                                                        \
        benchmark::Initialize(&argc, argv);                                                                  \
        benchmark::RunSpecifiedBenchmarks();                                                                 \
        benchmark::Shutdown();                                                                               \
        return 0;                                                                                            \
    }
