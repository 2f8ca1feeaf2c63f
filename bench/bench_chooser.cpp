// The puzzle chooser on the shipped book of 1000 puzzles: opening the dialog until its list is
// drawn, with every grade in and while none has come yet; and grading the whole book, the work
// the background grader does once at start-up (its slowest puzzle bounds how long leaving the
// program can wait for the grader).
#include "app/puzzle_chooser.h"
#include "game/book_grades.h"
#include "game/game.h"
#include "run_benchmarks.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

// Counts the paint events a widget receives.
struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

struct ShippedBook {
    puzzle::Book book;
    store::PlayerSettings settings;
    std::unique_ptr<game::Game> game;

    ShippedBook()
    {
        if (!book.open(QStringLiteral(KORVEL_SHIPPED_BOOK)))
            std::abort();
        settings = store::PlayerSettings(book.puzzleCount());
        for (int n = 1; n <= book.puzzleCount(); n += 3) // a best time for every third puzzle
            settings.recordBestTime(n, 60 + n, {});
        game = std::make_unique<game::Game>(book, settings, QDir::tempPath());
        game->openPuzzle(500);
        game->stopClock();
    }
};

void openChooser(benchmark::State &state, bool graded)
{
    ShippedBook shipped;
    game::BookGrades grades(shipped.book);
    if (graded) {
        QSignalSpy finished(&grades, &game::BookGrades::finished);
        grades.start();
        if (!finished.wait(60000)) {
            state.SkipWithError("grading did not finish");
            return;
        }
    }
    PaintCounter counter;
    for (auto _ : state) {
        app::PuzzleChooser chooser(*shipped.game, grades, nullptr, shipped.settings.values(), nullptr);
        chooser.findChild<QTableView *>(QStringLiteral("grdPuzzles"))
            ->viewport()
            ->installEventFilter(&counter);
        chooser.show();
        QApplication::processEvents(); // until the list is drawn
    }
    state.counters["puzzles"] = shipped.book.puzzleCount();
    state.counters["listPaints"] = benchmark::Counter(counter.paints, benchmark::Counter::kAvgIterations);
}
BENCHMARK_CAPTURE(openChooser, graded, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(openChooser, not_graded_yet, false)->Unit(benchmark::kMillisecond);

void gradeWholeBook(benchmark::State &state)
{
    ShippedBook shipped;
    qint64 slowest = 0;
    for (auto _ : state) {
        for (int n = 1; n <= shipped.book.puzzleCount(); ++n) {
            QElapsedTimer timer;
            timer.start();
            benchmark::DoNotOptimize(game::BookGrades::gradeOf(shipped.book.record(n)));
            slowest = std::max(slowest, timer.nsecsElapsed());
        }
    }
    state.SetItemsProcessed(state.iterations() * shipped.book.puzzleCount());
    state.counters["slowestPuzzleMs"] = double(slowest) / 1e6;
}
BENCHMARK(gradeWholeBook)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform warns at every dialog it shows that it cannot pass size hints on.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
        if (!text.contains(QLatin1String("propagateSizeHints")))
            std::fprintf(stderr, "%s%s\n", type == QtDebugMsg ? "" : "warning: ", qPrintable(text));
    });
    return runBenchmarksIn<QApplication>(argc, argv);
}
