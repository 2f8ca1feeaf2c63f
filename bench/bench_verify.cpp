// Verifying the whole shipped book as `korvel-book verify` does: the game's validator, the rules
// of every stored solution, and a proof that each puzzle has exactly one solution.
#include "bench_data.h"
#include "solver/puzzle_check.h"

#include <benchmark/benchmark.h>

namespace {

// With `logic`, as `verify --logic`: the grader must also finish each puzzle without a guess.
void VerifyShippedBook(benchmark::State &state, bool logic)
{
    const std::vector<std::uint8_t> bytes = benchdata::loadBytes(KORVEL_SHIPPED_BOOK);
    int puzzles = 0;
    for (auto _ : state) {
        const kakuro::BookCheck check = kakuro::validateBook(bytes);
        if (!check.ok) {
            state.SkipWithError(check.error.c_str());
            return;
        }
        puzzles = int(check.offsets.size());
        for (int k = 1; k <= puzzles; ++k) {
            const kakuro::PuzzleReport report =
                kakuro::checkPuzzle(kakuro::readRecord(bytes, check.offsets, k), logic);
            if (!report.problems.empty()) {
                state.SkipWithError(("puzzle " + std::to_string(k) + ": " + report.problems.front()).c_str());
                return;
            }
        }
    }
    state.counters["puzzles"] = puzzles;
    state.SetItemsProcessed(state.iterations() * puzzles);
}
BENCHMARK_CAPTURE(VerifyShippedBook, plain, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(VerifyShippedBook, logic, true)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
