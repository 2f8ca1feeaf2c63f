// Fuzzes the saved-game reader: a file restored into a board, then saved and restored again.
#include "harnesses.h"

#include "puzzle/saved_game.h"

namespace fuzzing {
namespace {

// Puzzle 1: 3x2 with blocks in column 1; puzzle 2: a single block cell; puzzle 3: 5x4.
const puzzle::Puzzle &puzzleOfThree(int n)
{
    static const std::vector<puzzle::Puzzle> puzzles = {
        puzzle::Puzzle({3, 2, {0, 1, 2, 0, 3, 4}}),
        puzzle::Puzzle({1, 1, {0}}),
        puzzle::Puzzle({5, 4, {0, 0, 7, 9, 0, 0, 4, 1, 2, 3, 1, 2, 0, 5, 8, 3, 1, 0, 0, 0}}),
    };
    return puzzles[std::size_t(n - 1)];
}

// What a restore promises: digits 0-9, only in entry cells, never pen and pencil in one cell.
const char *checkEntries(const puzzle::Puzzle &p, const puzzle::Entries &e)
{
    if (e.cellCount() != p.cellCount())
        return "entries resized";
    for (int i = 1; i <= p.cellCount(); ++i) {
        if (e.pen(i) > 9 || e.pencil(i) > 9)
            return "an entry above 9";
        if (e.digit(i) != 0 && p.solution(i) == 0)
            return "an entry in a block cell";
        if (e.pen(i) != 0 && e.pencil(i) != 0)
            return "a pen and a pencil digit in one cell";
        if (e.hasErrorMark(i))
            return "an error mark set by a restore";
    }
    return nullptr;
}

} // namespace

const char *savedGame(Input data)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data.data()), qsizetype(data.size()));
    for (int n = 1; n <= 3; ++n) {
        const puzzle::Puzzle &p = puzzleOfThree(n);
        puzzle::Entries e(p.cellCount());
        puzzle::readSavedGameBytes(bytes, n, p, e);
        if (const char *broken = checkEntries(p, e))
            return broken;

        // Saving what was restored, and restoring that, gives the same entries.
        const QByteArray text = puzzle::savedGameText(n, e);
        if (text.count('\n') != 4 || !text.startsWith("[SAVED]\r\n"))
            return "a saved game that is not four lines";
        puzzle::Entries again(p.cellCount());
        puzzle::readSavedGameBytes(text, n, p, again);
        for (int i = 1; i <= p.cellCount(); ++i)
            if (again.pen(i) != e.pen(i) || again.pencil(i) != e.pencil(i))
                return "a saved game that does not restore to what was saved";
    }
    return nullptr;
}

} // namespace fuzzing
