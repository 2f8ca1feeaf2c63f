// The benchmarks' entry point: the registered benchmarks run inside a Qt application, which the
// game's classes need for their signals and texts, and the drawing ones for their fonts.
#pragma once

#include <benchmark/benchmark.h>

template <typename Application> int runBenchmarksIn(int argc, char **argv)
{
    Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
