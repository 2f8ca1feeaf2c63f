// Generation rate: unique puzzles, graded and solvable by logic without a guess, at four sizes. The
// difficulty cycles through easy, medium, hard and expert, each asked for exactly, with a fresh
// seed per puzzle; items per second is puzzles per second.
#include "generator/generator.h"

#include <benchmark/benchmark.h>

namespace {

void Generate(benchmark::State &state)
{
    kakuro::PuzzleRequest request;
    request.width = request.height = int(state.range(0));
    static std::uint64_t seed = 1000; // every puzzle of every run a new one
    for (auto _ : state) {
        request.difficulty = kakuro::Difficulty(seed % 4);
        const auto made = kakuro::generatePuzzle(seed++, request);
        if (!made) {
            state.SkipWithError("no puzzle");
            return;
        }
        benchmark::DoNotOptimize(made->record.cells.data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(Generate)->Arg(10)->Arg(15)->Arg(20)->Arg(30)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

BENCHMARK_MAIN();
