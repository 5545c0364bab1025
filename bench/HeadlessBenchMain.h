#pragma once

// The main of the benchmarks that paint controls: they paint with Qt's fonts, so a headless
// application with the production services is enough.

#include "platform/controls/qt/ProductionServices.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace skelda::bench {

inline int RunHeadlessBenchmarks(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    plat::InstallProductionServices();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace skelda::bench
