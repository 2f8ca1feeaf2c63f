// Speed of the player's aids on the largest puzzle of the shipped book: one undo shown on the
// board, Fill Candidates on the model and on the board, and the combinations window following a
// selection move.
#include "bench_data.h"
#include "game/game.h"
#include "run_benchmarks.h"
#include "view/board_picture.h"
#include "view/board_view.h"
#include "view/combination_window.h"

#include <QApplication>
#include <QDir>

#include <benchmark/benchmark.h>

namespace {

// The shipped book's largest puzzle, alone in a book of its own.
QByteArray largestPuzzleBook()
{
    std::vector<kakuro::BookPuzzle> records = benchdata::loadRecords(KORVEL_SHIPPED_BOOK);
    const auto largest = std::max_element(records.begin(), records.end(), [](const auto &a, const auto &b) {
        return a.width * a.height < b.width * b.height;
    });
    const std::vector<std::uint8_t> bytes = kakuro::encodeBook({*largest});
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
}

struct Played {
    puzzle::Book book;
    store::PlayerSettings settings;
    game::Game game{book, settings, QDir::tempPath()};

    Played()
    {
        book.openBytes(largestPuzzleBook());
        game.openPuzzle(1);
        game.stopClock();
        // A few digits written, as in a game under way.
        const kakuro::Puzzle &p = game.puzzle();
        for (int i = 0; i < p.entryCellCount(); i += 7)
            game.write(p.colOf(i), p.rowOf(i), p.solution(i));
    }
};

// The same on the board view at zoom step 10, in a view of the window's size.
struct Shown : Played {
    view::BoardView view{game};

    Shown()
    {
        view.resize(700, 480);
        view.show();
        while (view.zoomLevel() < view::BoardView::kMaxZoom)
            view.zoomIn();
        QApplication::processEvents();
    }
};

void BM_UndoOneDigitShown(benchmark::State &state)
{
    Shown s;
    const kakuro::Puzzle &p = s.game.puzzle();
    s.game.write(2, 2, p.isEntry(2, 2) ? 9 : 0);
    int n = 0;
    for (auto _ : state) {
        if (n++ % 2 == 0)
            s.game.undo();
        else
            s.game.redo();
        s.view.picture()->refreshNow();
    }
}
BENCHMARK(BM_UndoOneDigitShown)->Unit(benchmark::kMicrosecond);

void BM_FillCandidatesModel(benchmark::State &state)
{
    Played s;
    for (auto _ : state) {
        s.game.fillCandidates();
        state.PauseTiming();
        s.game.undo();
        state.ResumeTiming();
    }
    state.counters["cells"] = s.game.puzzle().entryCellCount();
}
BENCHMARK(BM_FillCandidatesModel)->Unit(benchmark::kMillisecond);

void BM_FillCandidatesShown(benchmark::State &state)
{
    Shown s;
    for (auto _ : state) {
        s.game.fillCandidates();
        s.view.picture()->refreshNow();
        state.PauseTiming();
        s.game.undo();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FillCandidatesShown)->Unit(benchmark::kMillisecond);

void BM_CombinationsFollowSelection(benchmark::State &state)
{
    Played s;
    view::CombinationWindow window(s.game, nullptr);
    window.show();
    const kakuro::Puzzle &p = s.game.puzzle();
    int k = 0;
    for (auto _ : state) {
        const int i = k++ % p.entryCellCount();
        window.showCell(p.colOf(i), p.rowOf(i));
        QApplication::processEvents(); // until the new text is laid out and drawn
    }
}
BENCHMARK(BM_CombinationsFollowSelection)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return runBenchmarksIn<QApplication>(argc, argv);
}
