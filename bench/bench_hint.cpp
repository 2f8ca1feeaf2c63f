// Hints on the largest boards of the shipped book: one hint on a 30x30 puzzle part-filled by
// following earlier hints, and every hint of a whole 30x30 game with the slowest one reported.
#include "bench_data.h"
#include "game/hint.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

// The shipped book's last puzzle, a 30x30.
puzzle::Puzzle largestPuzzle()
{
    const std::vector<puzzle::BookPuzzle> records = benchdata::loadRecords(KORVEL_SHIPPED_BOOK);
    return puzzle::Puzzle(records.back());
}

// The board after following hints until `percent` of the entry cells are filled.
puzzle::Entries followHints(const puzzle::Puzzle &puzzle, int percent)
{
    const game::HintFinder finder(puzzle);
    puzzle::Entries entries(puzzle.cellCount());
    while (entries.filledCount() * 100 < puzzle.entryCellCount() * percent) {
        const game::Hint hint = finder.next(entries);
        if (hint.kind != game::HintKind::Placement)
            break;
        entries.write(hint.cell, hint.digit, false);
    }
    return entries;
}

// With nothing kept between hints, as a game that asks for one now and then.
void HintOnPartFilled30(benchmark::State &state)
{
    const puzzle::Puzzle puzzle = largestPuzzle();
    const puzzle::Entries entries = followHints(puzzle, int(state.range(0)));
    for (auto _ : state) {
        const game::Hint hint = game::findHint(puzzle, entries);
        if (hint.kind != game::HintKind::Placement) {
            state.SkipWithError("no placement found");
            return;
        }
        benchmark::DoNotOptimize(hint.cell);
    }
    state.counters["filled"] = entries.filledCount();
}
BENCHMARK(HintOnPartFilled30)->Arg(0)->Arg(25)->Arg(50)->Arg(75)->Unit(benchmark::kMillisecond);

// A whole game played by hints alone; "slowest_ms" is the longest any one hint took.
void HintsThroughA30Game(benchmark::State &state)
{
    const puzzle::Puzzle puzzle = largestPuzzle();
    const game::HintFinder finder(puzzle);
    double slowest = 0;
    int hints = 0;
    for (auto _ : state) {
        puzzle::Entries entries(puzzle.cellCount());
        hints = 0;
        for (;;) {
            const auto start = std::chrono::steady_clock::now();
            const game::Hint hint = finder.next(entries);
            slowest = std::max(
                slowest,
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
            if (hint.kind != game::HintKind::Placement)
                break;
            entries.write(hint.cell, hint.digit, false);
            ++hints;
        }
        if (entries.filledCount() != puzzle.entryCellCount()) {
            state.SkipWithError("the hints stopped before the end");
            return;
        }
    }
    state.counters["hints"] = hints;
    state.counters["slowest_ms"] = slowest;
    state.SetItemsProcessed(state.iterations() * hints);
}
BENCHMARK(HintsThroughA30Game)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
