// The board rungs of the ladder on the shipped book: for each of crossing runs, region sums and
// short contradiction, the puzzles whose hardest step it is, finished from where the cheaper rungs
// leave them. Time per puzzle; the counter says how many puzzles the rung finishes.
#include "bench_data.h"
#include "solver/grader.h"

#include <benchmark/benchmark.h>

namespace {

struct Stuck {
    kakuro::Puzzle puzzle;
    std::vector<kakuro::DigitSet> domains; // where the ladder below the rung stops
};

std::vector<Stuck> stuckBelow(kakuro::Technique rung)
{
    std::vector<Stuck> out;
    for (const modData::BookPuzzle &r : benchdata::loadRecords(KORVEL_SHIPPED_BOOK)) {
        Stuck s{kakuro::puzzleFromRecord(r), {}};
        kakuro::Grader grader(s.puzzle);
        if (grader.grade().hardest != rung)
            continue;
        grader.grade(kakuro::Technique(int(rung) - 1), &s.domains, false);
        out.push_back(std::move(s));
    }
    return out;
}

void FinishWithRung(benchmark::State &state, kakuro::Technique rung)
{
    const std::vector<Stuck> puzzles = stuckBelow(rung);
    // Built outside the loop, as a grader builds its ladder once per puzzle.
    std::vector<std::unique_ptr<kakuro::LogicLadder>> ladders;
    for (const Stuck &s : puzzles)
        ladders.push_back(std::make_unique<kakuro::LogicLadder>(s.puzzle, rung));
    for (auto _ : state) {
        for (std::size_t k = 0; k < puzzles.size(); ++k) {
            std::vector<kakuro::DigitSet> domains = puzzles[k].domains;
            if (!ladders[k]->solve(domains)) {
                state.SkipWithError("contradiction on a sound puzzle");
                return;
            }
            benchmark::DoNotOptimize(domains.data());
        }
    }
    state.counters["puzzles"] = double(puzzles.size());
    state.SetItemsProcessed(state.iterations() * std::int64_t(puzzles.size()));
}

BENCHMARK_CAPTURE(FinishWithRung, crossing_runs, kakuro::Technique::CrossingRuns)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FinishWithRung, region_sums, kakuro::Technique::RegionSums)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FinishWithRung, short_contradiction, kakuro::Technique::Contradiction)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
