// Fuzzes the puzzle book reader, run derivation and a paint of the loaded puzzles.
#include "puzzle/board_model.h"
#include "view/board_painter.h"

#include <QGuiApplication>
#include <QImage>

#include <cstddef>
#include <cstdint>

namespace {

QGuiApplication &app()
{
    static int argc = 1;
    static char name[] = "fuzz_book";
    static char *argv[] = {name, nullptr};
    static QGuiApplication *instance = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        auto *a = new QGuiApplication(argc, argv);
        modGDI::createDrawingTools(Qt::white, Qt::black, 1);
        return a;
    }();
    return *instance;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    app();
    modData::Board board;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (!modData::loadBookBytes(board, bytes))
        return 0;
    // A few puzzles per input keep each execution short; the validator has seen all of them.
    const int last = std::min(board.puzzleCount, 4);
    for (int n = 1; n <= last; ++n) {
        modData::loadPuzzle(board, n);
        const int cell = 9;
        QImage image((board.gridWidth + 1) * cell + 1, (board.gridHeight + 1) * cell + 1, QImage::Format_RGB32);
        GdiCanvas gdi(&image);
        BoardCanvas canvas{&gdi, cell};
        modGDI::paintBoard(canvas, board, true, true, 1);
        modGDI::paintSums(canvas, board, Qt::white);
        for (int i = 1; i <= board.cellCount; ++i)
            if (board.solutionGrid[std::size_t(i)] != 0)
                modGDI::paintEntryCell(canvas, board, board.colOf(i), board.rowOf(i));
    }
    return 0;
}
