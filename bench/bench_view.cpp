// Speed of the board view: a full repaint after a zoom, on a plain screen and on one of device
// pixel ratio 2, and one digit written into a cell.
#include "core/book_format.h"
#include "game/game.h"
#include "run_benchmarks.h"
#include "view/board_picture.h"
#include "view/board_view.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

// A side x side book puzzle of entry cells with a sprinkling of blocks.
QByteArray squareBook(int side)
{
    kakuro::BookPuzzle p;
    p.width = side;
    p.height = side;
    for (int r = 1; r <= side; ++r)
        for (int c = 1; c <= side; ++c)
            p.cells.push_back(
                (r > 1 && c > 1 && (r * 7 + c * 3) % 5 == 0) ? 0 : std::uint8_t(1 + (r * 3 + c) % 9));
    const std::vector<std::uint8_t> bytes = kakuro::encodeBook({p});
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
}

// A 30x30 board at zoom step 10 in a view of the window's size, on a screen of `ratio` device
// pixels to a pixel.
struct Shown {
    puzzle::Book book;
    store::PlayerSettings settings;
    game::Game game{book, settings, QDir::tempPath()};
    view::BoardView view{game};
    bool onScreen = true;

    explicit Shown(int ratio = 1)
    {
        book.openBytes(squareBook(30));
        game.openPuzzle(1);
        game.stopClock();
        view.resize(700, 480);
        view.show();
        if (view.devicePixelRatio() != ratio) {
            const QList<QScreen *> screens = QGuiApplication::screens();
            const auto found = std::find_if(screens.begin(), screens.end(),
                                            [ratio](QScreen *s) { return s->devicePixelRatio() == ratio; });
            onScreen = found != screens.end();
            if (onScreen)
                view.windowHandle()->setScreen(*found);
        }
        while (view.zoomLevel() < view::BoardView::kMaxZoom)
            view.zoomIn();
        QApplication::processEvents();
    }
};

// The argument is the screen's device pixel ratio.
void BM_FullRepaint30x30AtStep10(benchmark::State &state)
{
    Shown s(int(state.range(0)));
    if (!s.onScreen) {
        state.SkipWithError("no screen of that device pixel ratio");
        return;
    }
    for (auto _ : state) {
        s.view.repaintBoard();
        QApplication::processEvents(); // until the new drawing is on the screen
    }
    const QImage &picture = s.view.picture()->image();
    state.counters["pictureSide"] = picture.width();
    state.counters["pictureMB"] = double(picture.sizeInBytes()) / 1e6;
}
BENCHMARK(BM_FullRepaint30x30AtStep10)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

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

// Headless screens at 96, 192 and 288 dpi: device pixel ratios 1, 2 and 3, the first the primary.
void useOffscreenScreens()
{
    const QString config = QDir::temp().filePath(QStringLiteral("korvel_bench_screens.json"));
    QFile file(config);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(R"({"screens": [
            {"name": "1", "x": 0, "y": 0, "width": 1600, "height": 1200, "logicalDpi": 96},
            {"name": "2", "x": 1600, "y": 0, "width": 3200, "height": 2400, "logicalDpi": 192},
            {"name": "3", "x": 4800, "y": 0, "width": 4800, "height": 3600, "logicalDpi": 288}]})");
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config));
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        useOffscreenScreens();
    return runBenchmarksIn<QApplication>(argc, argv);
}
