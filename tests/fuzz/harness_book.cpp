// Fuzzes the puzzle book reader, run derivation and a paint of the loaded puzzles.
#include "harnesses.h"

#include "puzzle/book.h"
#include "view/board_painter.h"

#include <QImage>

namespace fuzzing {
namespace {

// What the run derivation promises for any grid: runs of two or more entry cells, inside the
// grid, headed by a position that is not an entry cell, with the sum of their solution digits.
const char *checkRuns(const puzzle::Puzzle &p)
{
    for (int direction = 0; direction < 2; ++direction) {
        const bool across = direction == 0;
        for (const puzzle::Run &r : across ? p.acrossRuns() : p.downRuns()) {
            if (r.length < 2)
                return "a run shorter than two cells";
            if (p.isEntry(r.clueCol, r.clueRow) || !p.isClueCell(r.clueCol, r.clueRow))
                return "a run not headed by a clue cell";
            int sum = 0;
            for (int k = 1; k <= r.length; ++k) {
                const int col = across ? r.clueCol + k : r.clueCol;
                const int row = across ? r.clueRow : r.clueRow + k;
                if (!p.isEntry(col, row))
                    return "a run over a block cell or outside the grid";
                sum += p.solutionAt(col, row);
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
    static const view::BoardPalette palette = view::BoardPalette::classic();

    puzzle::Book book;
    const QByteArray bytes(reinterpret_cast<const char *>(data.data()), qsizetype(data.size()));
    if (!book.openBytes(bytes))
        return book.puzzleCount() == 0 ? nullptr : "a refused book left puzzles behind";
    if (book.puzzleCount() < 1 || book.puzzleCount() > 32767)
        return "an accepted book with a puzzle count outside 1..32767";
    // A few puzzles per input keep each execution short; the validator has seen all of them.
    const int last = std::min(book.puzzleCount(), 4);
    for (int n = 1; n <= last; ++n) {
        const puzzle::Puzzle p = book.puzzle(n);
        if (p.cellCount() < 1)
            return "a puzzle without cells";
        int entryCells = 0;
        for (int i = 1; i <= p.cellCount(); ++i)
            entryCells += p.solution(i) != 0;
        if (p.entryCellCount() != entryCells)
            return "an entry cell count that differs from the grid";
        if (const char *broken = checkRuns(p))
            return broken;
        puzzle::Entries entries(p.cellCount());
        const int cell = 9;
        QImage image((p.width() + 1) * cell + 1, (p.height() + 1) * cell + 1, QImage::Format_RGB32);
        view::GdiCanvas gdi(&image);
        view::BoardPainter painter(gdi, cell, p, entries, palette);
        painter.paintBoard(view::BoardDigits::Solution, view::ClueDiagonals::Drawn, view::kOneLineInset);
        painter.paintSums();
        for (int i = 1; i <= p.cellCount(); ++i)
            if (p.solution(i) != 0)
                painter.paintEntryCell(p.colOf(i), p.rowOf(i));
    }
    return nullptr;
}

} // namespace fuzzing
