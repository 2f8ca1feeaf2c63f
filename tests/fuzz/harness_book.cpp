// Fuzzes the puzzle book reader, run derivation and a paint of the loaded puzzles.
#include "harnesses.h"

#include "puzzle/board_model.h"
#include "view/board_painter.h"

#include <QImage>

namespace fuzzing {
namespace {

// What deriveRuns promises for any grid: runs of two or more entry cells, inside the grid,
// headed by a position that is not an entry cell, with the sum of their solution digits.
const char *checkRuns(const puzzle::Board &b)
{
    if (b.acrossRunCount != std::int16_t(b.acrossRuns.size()) ||
        b.downRunCount != std::int16_t(b.downRuns.size()))
        return "run counts differ from the tables";
    for (int direction = 0; direction < 2; ++direction) {
        const bool across = direction == 0;
        for (const puzzle::RunRecord &r : across ? b.acrossRuns : b.downRuns) {
            if (r.length < 2)
                return "a run shorter than two cells";
            if (puzzle::isInGrid(b, r.clueCol, r.clueRow) && b.layoutAt(r.clueCol, r.clueRow) != 0)
                return "a run headed by an entry cell";
            int sum = 0;
            for (int k = 1; k <= r.length; ++k) {
                const int col = across ? r.clueCol + k : r.clueCol;
                const int row = across ? r.clueRow : r.clueRow + k;
                if (!puzzle::isInGrid(b, col, row) || b.layoutAt(col, row) == 0)
                    return "a run over a block cell or outside the grid";
                sum += b.solutionAt(col, row);
            }
            if (sum != r.sum)
                return "a run whose sum is not that of its digits";
        }
    }
    return nullptr;
}

} // namespace

const char *book(Input data)
{
    ensureGuiApplication();
    static const bool toolsMade = (view::createDrawingTools(Qt::white, Qt::black, 1), true);
    Q_UNUSED(toolsMade);

    puzzle::Board board;
    const QByteArray bytes(reinterpret_cast<const char *>(data.data()), qsizetype(data.size()));
    if (!puzzle::loadBookBytes(board, bytes))
        return board.puzzleCount == 0 ? nullptr : "a refused book left puzzles behind";
    if (board.puzzleCount < 1 || board.puzzleCount > 32767)
        return "an accepted book with a puzzle count outside 1..32767";
    // A few puzzles per input keep each execution short; the validator has seen all of them.
    const int last = std::min(board.puzzleCount, 4);
    for (int n = 1; n <= last; ++n) {
        puzzle::loadPuzzle(board, n);
        if (board.cellCount != board.gridWidth * board.gridHeight || board.cellCount < 1)
            return "a cell count that is not width times height";
        if (board.entryCellCount != puzzle::countNonZero(board.solutionGrid))
            return "an entry cell count that differs from the grid";
        if (const char *broken = checkRuns(board))
            return broken;
        const int cell = 9;
        QImage image((board.gridWidth + 1) * cell + 1, (board.gridHeight + 1) * cell + 1,
                     QImage::Format_RGB32);
        GdiCanvas gdi(&image);
        BoardCanvas canvas{&gdi, cell};
        view::paintBoard(canvas, board, true, true, 1);
        view::paintSums(canvas, board, Qt::white);
        for (int i = 1; i <= board.cellCount; ++i)
            if (board.solutionGrid[std::size_t(i)] != 0)
                view::paintEntryCell(canvas, board, board.colOf(i), board.rowOf(i));
    }
    return nullptr;
}

} // namespace fuzzing
