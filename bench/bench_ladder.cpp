// The board rungs of the ladder on the shipped book: for each of crossing runs, region sums and
// short contradiction, the puzzles whose hardest step it is, finished from where the cheaper rungs
// leave them. Time per puzzle; the counter says how many puzzles the rung finishes.
// Then the whole ladder on 200 puzzles of our generator (12x12 to 30x30, seed 2026) that are unique
// but that the rungs up to run consistency cannot finish; the counters say how many puzzles each
// board rung is the hardest step of, and how many stay unfinished.
#include "bench_data.h"
#include "generator/digit_filler.h"
#include "generator/layout_generator.h"
#include "generator/repairer.h"
#include "solver/grader.h"
#include "solver/solver.h"

#include <benchmark/benchmark.h>

namespace {

struct Stuck {
    kakuro::Puzzle puzzle;
    std::vector<kakuro::DigitSet> domains; // where the ladder below the rung stops
};

std::vector<Stuck> stuckBelow(kakuro::Technique rung)
{
    std::vector<Stuck> out;
    for (const kakuro::BookPuzzle &r : benchdata::loadRecords(KORVEL_SHIPPED_BOOK)) {
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

BENCHMARK_CAPTURE(FinishWithRung, crossing_runs, kakuro::Technique::CrossingRuns)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FinishWithRung, region_sums, kakuro::Technique::RegionSums)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FinishWithRung, short_contradiction, kakuro::Technique::Contradiction)
    ->Unit(benchmark::kMillisecond);

// A repaired puzzle walked away one redrawn run at a time, staying unique, until the rungs up to
// run consistency are stuck on it; nothing when 60 redraws do not get there.
bool walkUntilStuck(kakuro::Random &random, kakuro::Puzzle &p, std::vector<std::uint8_t> &digits,
                    const std::vector<int> &leans)
{
    for (int move = 0; move < 60; ++move) {
        const std::vector<std::uint8_t> saved = digits;
        const int run = int(random.below(std::uint32_t(p.runCount())));
        std::vector<int> cells(p.cells(run).begin(), p.cells(run).end());
        kakuro::DigitFiller filler(p, digits);
        for (int c : cells)
            filler.clear(c);
        const bool filled = filler.fill(random, cells, leans);
        if (!filled)
            digits = saved;
        kakuro::setSums(p, digits);
        if (!filled)
            continue;
        if (kakuro::countSolutions(p, 2) != 1) {
            digits = saved;
            kakuro::setSums(p, digits);
            continue;
        }
        kakuro::Grader today(p);
        if (!today.grade(kakuro::Technique::RunConsistency, nullptr, false).solvedByLogic)
            return true;
    }
    return false;
}

const std::vector<kakuro::Puzzle> &stuckGeneratorPuzzles()
{
    static const std::vector<kakuro::Puzzle> puzzles = [] {
        std::vector<kakuro::Puzzle> out;
        kakuro::Random random(2026);
        while (out.size() < 200) {
            const int side = 12 + int(out.size()) * 19 / 200;
            kakuro::LayoutOptions o;
            o.width = o.height = side;
            o.blockPercent = 30 + int(random.below(8));
            const auto layout = kakuro::makeLayout(random, o);
            if (!layout)
                continue;
            kakuro::Puzzle p = kakuro::puzzleFromLayout(side, side, *layout);
            std::vector<std::uint8_t> digits(std::size_t(p.entryCellCount()), 0);
            std::vector<int> leans = kakuro::drawLeans(random, p);
            if (!kakuro::fillDigits(random, p, digits, leans))
                continue;
            kakuro::setSums(p, digits);
            kakuro::tighten(random, p, digits, 5);
            int steps = 0;
            if (kakuro::repairUntilSolved(random, p, digits, leans, kakuro::Technique::RunConsistency,
                                          steps) &&
                walkUntilStuck(random, p, digits, leans))
                out.push_back(std::move(p));
        }
        return out;
    }();
    return puzzles;
}

void FinishStuckGeneratorPuzzles(benchmark::State &state)
{
    const auto &puzzles = stuckGeneratorPuzzles();
    int hardest[kakuro::kLadderSize + 1] = {};
    for (auto _ : state) {
        std::fill(std::begin(hardest), std::end(hardest), 0);
        for (const kakuro::Puzzle &p : puzzles) {
            kakuro::Grader grader(p);
            const kakuro::Grade g = grader.grade(kakuro::Technique::Contradiction, nullptr, false);
            ++hardest[g.solvedByLogic ? int(g.hardest) : kakuro::kLadderSize];
        }
    }
    for (kakuro::Technique t :
         {kakuro::Technique::CrossingRuns, kakuro::Technique::RegionSums, kakuro::Technique::Contradiction})
        state.counters[std::string(kakuro::techniqueName(t))] = hardest[int(t)];
    state.counters["unfinished"] = hardest[kakuro::kLadderSize];
    state.SetItemsProcessed(state.iterations() * std::int64_t(puzzles.size()));
}
BENCHMARK(FinishStuckGeneratorPuzzles)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
