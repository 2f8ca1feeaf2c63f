// Hints on the shipped book, each game played by Apply Hint alone from an empty board: a whole
// 30x30 game with its slowest hint, and the whole book with its total time and slowest hint (in
// processor time).
#include "game/book_grades.h"
#include "game/game.h"
#include "run_benchmarks.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <ctime>

namespace {

struct Replay {
    int hints = 0;
    double slowestMs = 0;
    int slowestRung = 0; // the rung of the slowest hint's step
    int hardestRung = 0; // of every step told
    bool finished = false;
};

// The processor time this thread has used, in milliseconds: a busy machine does not inflate it.
double threadMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Shows and applies hints on puzzle `number` until it is completed, timing each hint.
Replay replay(game::Game &game, int number)
{
    Replay r;
    game.openPuzzle(number);
    QObject::connect(&game, &game::Game::completed, &game, [&r] { r.finished = true; });
    int rung = 0;
    QObject::connect(&game, &game::Game::hintShown, &game, [&rung, &r](const game::Hint &h) {
        rung = int(h.technique);
        if (h.kind == game::HintKind::Placement || h.kind == game::HintKind::Removal)
            r.hardestRung = std::max(r.hardestRung, rung);
    });
    const int bound = 9 * game.puzzle().entryCellCount();
    while (!r.finished && r.hints < bound) {
        const double start = threadMs();
        game.showHint();
        if (const double ms = threadMs() - start; ms > r.slowestMs) {
            r.slowestMs = ms;
            r.slowestRung = rung;
        }
        game.applyHint();
        ++r.hints;
    }
    QObject::disconnect(&game, nullptr, &game, nullptr);
    return r;
}

struct BookGame {
    BookGame() { book.open(QStringLiteral(KORVEL_SHIPPED_BOOK)); }
    puzzle::Book book;
    store::PlayerSettings settings;
    QTemporaryDir dir;
    game::Game game{book, settings, dir.path()};
};

// The book's last puzzle, a 30x30.
void HintsThroughA30Game(benchmark::State &state)
{
    BookGame b;
    Replay r;
    for (auto _ : state) {
        r = replay(b.game, b.book.puzzleCount());
        if (!r.finished) {
            state.SkipWithError("the hints stopped before the end");
            return;
        }
    }
    state.counters["hints"] = r.hints;
    state.counters["slowest_ms"] = r.slowestMs;
    state.counters["slowest_rung"] = r.slowestRung;
}
BENCHMARK(HintsThroughA30Game)->Unit(benchmark::kMillisecond);

// Every puzzle of the book, once: "unfinished" counts the puzzles the hints did not complete,
// "off_grade" those whose hardest hint rung is not the hardest rung of their grade.
void HintsThroughTheWholeBook(benchmark::State &state)
{
    BookGame b;
    double slowest = 0;
    int hints = 0, unfinished = 0, slowestRung = 0, offGrade = 0;
    for (auto _ : state) {
        for (int k = 1; k <= b.book.puzzleCount(); ++k) {
            const Replay r = replay(b.game, k);
            hints += r.hints;
            if (r.slowestMs > slowest) {
                slowest = r.slowestMs;
                slowestRung = r.slowestRung;
            }
            unfinished += r.finished ? 0 : 1;
            offGrade += r.hardestRung == int(game::BookGrades::gradeOf(b.book.record(k)).hardest) ? 0 : 1;
        }
    }
    state.counters["puzzles"] = b.book.puzzleCount();
    state.counters["hints"] = hints;
    state.counters["unfinished"] = unfinished;
    state.counters["off_grade"] = offGrade;
    state.counters["slowest_ms"] = slowest;
    state.counters["slowest_rung"] = slowestRung;
}
BENCHMARK(HintsThroughTheWholeBook)->Iterations(1)->Repetitions(1)->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char **argv)
{
    return runBenchmarksIn<QCoreApplication>(argc, argv);
}
