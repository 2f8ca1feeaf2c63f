// Proving uniqueness on large, hard grids: 50 expert puzzles from 20x20 to 31x46 with few blocks,
// made by the generator (bench/data/hard_grids.qztw, from
//   korvel-book generate --count 50 --sizes 20x20-31x46 --mix 0:0:0:1 --blocks 26 --seed 2
//               --out bench/data/hard_grids.qztw).
// One benchmark per grid, and one over the set that reports the median and the largest time.
#include "bench_data.h"
#include "solver/solver.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

namespace {

const std::vector<kakuro::Puzzle> &hardGrids()
{
    static const std::vector<kakuro::Puzzle> grids = [] {
        std::vector<kakuro::Puzzle> out;
        for (const kakuro::BookPuzzle &r : benchdata::loadRecords(KORVEL_HARD_GRIDS))
            out.push_back(kakuro::puzzleFromRecord(r));
        return out;
    }();
    return grids;
}

void ProveUnique(benchmark::State &state, std::size_t index)
{
    const kakuro::Puzzle &p = hardGrids()[index];
    for (auto _ : state) {
        kakuro::Solver solver(p);
        const int solutions = solver.solve(2).solutions;
        if (solutions != 1) {
            state.SkipWithError("not unique");
            return;
        }
        benchmark::DoNotOptimize(solutions);
    }
    state.counters["cells"] = p.entryCellCount();
}

// Each pass proves every grid once and times each proof; per grid the median over the passes is
// kept, and the counters give the median and the largest of those over the set, in milliseconds.
void ProveUniqueHardSet(benchmark::State &state)
{
    const auto &grids = hardGrids();
    std::vector<std::vector<double>> times(grids.size());
    for (auto _ : state) {
        for (std::size_t g = 0; g < grids.size(); ++g) {
            const auto start = std::chrono::steady_clock::now();
            kakuro::Solver solver(grids[g]);
            const int solutions = solver.solve(2).solutions;
            times[g].push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
            if (solutions != 1) {
                state.SkipWithError("not unique");
                return;
            }
        }
    }
    std::vector<double> perGrid;
    for (auto &t : times) {
        std::sort(t.begin(), t.end());
        perGrid.push_back(t[t.size() / 2]);
    }
    std::sort(perGrid.begin(), perGrid.end());
    state.counters["grids"] = double(grids.size());
    state.counters["median_ms"] = perGrid[perGrid.size() / 2];
    state.counters["max_ms"] = perGrid.back();
}

const bool registered = [] {
    for (std::size_t g = 0; g < hardGrids().size(); ++g) {
        const kakuro::Puzzle &p = hardGrids()[g];
        const std::string name = "ProveUnique/" + std::to_string(g + 1) + ":" + std::to_string(p.width()) +
                                 "x" + std::to_string(p.height());
        benchmark::RegisterBenchmark(name.c_str(), ProveUnique, g)->Unit(benchmark::kMicrosecond);
    }
    benchmark::RegisterBenchmark("ProveUniqueHardSet", ProveUniqueHardSet)->Unit(benchmark::kMillisecond);
    return true;
}();

} // namespace

BENCHMARK_MAIN();
