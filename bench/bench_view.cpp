// Speed of the board view: a full repaint after a zoom, and one digit written into a cell.
#include "game/game.h"
#include "puzzle/book_format.h"
#include "view/board_picture.h"
#include "view/board_view.h"

#include <QApplication>
#include <QDir>

#include <benchmark/benchmark.h>

namespace {

// A side x side book puzzle of entry cells with a sprinkling of blocks.
QByteArray squareBook(int side)
{
    puzzle::BookPuzzle p;
    p.width = side;
    p.height = side;
    for (int r = 1; r <= side; ++r)
        for (int c = 1; c <= side; ++c)
            p.cells.push_back((r > 1 && c > 1 && (r * 7 + c * 3) % 5 == 0) ? 0 : std::uint8_t(1 + (r * 3 + c) % 9));
    const std::vector<std::uint8_t> bytes = puzzle::encodeBook({p});
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
}

// A 30x30 board at zoom step 10 in a view of the window's size.
struct Shown {
    puzzle::Book book;
    store::Settings settings;
    game::Game game{book, settings, QDir::tempPath()};
    view::BoardView view{game};

    Shown()
    {
        book.openBytes(squareBook(30));
        game.openPuzzle(1);
        game.clock().stop();
        view.resize(700, 480);
        view.show();
        while (view.zoomLevel() < view::BoardView::kMaxZoom)
            view.zoomIn();
        QApplication::processEvents();
    }
};

void BM_FullRepaint30x30AtStep10(benchmark::State &state)
{
    Shown s;
    for (auto _ : state) {
        s.view.repaintBoard();
        QApplication::processEvents(); // until the new drawing is on the screen
    }
    state.counters["pictureSide"] = s.view.picture()->width();
}
BENCHMARK(BM_FullRepaint30x30AtStep10)->Unit(benchmark::kMillisecond);

void BM_WriteOneDigitAtStep10(benchmark::State &state)
{
    Shown s;
    int n = 0;
    for (auto _ : state) {
        // Cells in the part of the board the view shows, every digit in turn, as typing does it.
        s.view.selectCell(2 + n % 8, 2 + (n / 8) % 5);
        s.game.write(s.view.selectedCol(), s.view.selectedRow(), 1 + n % 9);
        s.view.picture()->refreshNow();
        ++n;
    }
}
BENCHMARK(BM_WriteOneDigitAtStep10)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
