// Fuzzes the puzzle book reader, run derivation and a paint of the loaded puzzles.
#include "harnesses.h"

#include "puzzle/book.h"
#include "view/board_painter.h"

#include <QImage>

namespace fuzzing {
namespace {

// What the run derivation promises for any grid: runs of two or more entry cells, inside the
// grid, headed by a position that is not an entry cell, with the sum of their solution digits.
const char *checkRuns(const kakuro::Puzzle &p)
{
    for (const kakuro::Run &r : p.runs()) {
        if (r.length < 2)
            return "a run shorter than two cells";
        if (p.isEntry(r.clueCol, r.clueRow) || !p.isClueCell(r.clueCol, r.clueRow))
            return "a run not headed by a clue cell";
        const bool across = r.direction == kakuro::Direction::Across;
        int sum = 0;
        for (int k = 1; k <= r.length; ++k) {
            const int cell = p.cellAt(across ? r.clueCol + k : r.clueCol, across ? r.clueRow : r.clueRow + k);
            if (cell < 0 || cell != p.cells(r)[std::size_t(k - 1)])
                return "a run over a block cell, outside the grid or off its line";
            sum += p.solution(cell);
        }
        if (sum != r.sum)
            return "a run whose sum is not that of its digits";
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
        const kakuro::Puzzle p = book.puzzle(n);
        if (p.width() < 1 || p.height() < 1)
            return "a puzzle without cells";
        for (int i = 0; i < p.entryCellCount(); ++i)
            if (p.solution(i) == 0 || p.cellAt(p.colOf(i), p.rowOf(i)) != i)
                return "an entry cell that is not where the grid has it";
        if (const char *broken = checkRuns(p))
            return broken;
        puzzle::Entries entries(p.entryCellCount());
        const int cell = 9;
        QImage image((p.width() + 1) * cell + 1, (p.height() + 1) * cell + 1, QImage::Format_RGB32);
        view::GdiCanvas gdi(&image);
        view::BoardPainter painter(gdi, cell, p, entries, palette);
        painter.paintBoard(view::BoardDigits::Solution, view::ClueDiagonals::Drawn, view::kOneLineInset);
        painter.paintSums();
        for (int i = 0; i < p.entryCellCount(); ++i)
            painter.paintEntryCell(p.colOf(i), p.rowOf(i));
    }
    return nullptr;
}

} // namespace fuzzing
