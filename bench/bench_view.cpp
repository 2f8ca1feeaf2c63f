// Speed of the board view: a full repaint after a zoom, and one digit written into a cell.
#include "game/frm_tav_mn.h"
#include "puzzle/book_format.h"
#include "view/board_painter.h"
#include "view/board_picture.h"

#include <QApplication>
#include <QDir>

#include <benchmark/benchmark.h>

#include <memory>

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

struct Shown {
    puzzle::Board board;
    store::Settings settings;
    std::unique_ptr<frmTavMn> window;

    explicit Shown(int side)
    {
        puzzle::loadBookBytes(board, squareBook(side));
        view::createDrawingTools(Qt::white, Qt::black, 1);
        window = std::make_unique<frmTavMn>(board, settings, QDir::tempPath());
        window->formLoad();
        window->show();
        while (window->zoomLevel < 10)
            window->zoomIn();
        QApplication::processEvents();
    }
};

void BM_FullRepaint30x30AtStep10(benchmark::State &state)
{
    Shown s(30);
    for (auto _ : state) {
        s.window->resizeToZoom();
        QApplication::processEvents(); // until the new drawing is on the screen
    }
    state.counters["pictureSide"] = s.window->pbGrid->width();
}
BENCHMARK(BM_FullRepaint30x30AtStep10)->Unit(benchmark::kMillisecond);

void BM_WriteOneDigitAtStep10(benchmark::State &state)
{
    Shown s(30);
    frmTavMn &w = *s.window;
    puzzle::Board &b = s.board;
    int n = 0;
    for (auto _ : state) {
        // Cells in the part of the board the view shows, every digit in turn.
        const int col = 1 + n % 8;
        const int row = 1 + (n / 8) % 5;
        const auto i = std::size_t(b.cellIndex(col, row));
        b.penEntries[i] = std::uint8_t(1 + n % 9);
        b.pencilEntries[i] = 0;
        view::paintEntryCell(w.canvas, b, col, row);
        view::drawSelectionFrame(w.canvas, col, row);
        w.pbGrid->refreshNow();
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
