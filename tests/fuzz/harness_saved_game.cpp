// Fuzzes the saved-game reader: a file restored into a board, then saved and restored again.
#include "harnesses.h"

#include "puzzle/saved_game.h"

namespace fuzzing {
namespace {

// Puzzle 1: 3x2 with blocks in column 1; puzzle 2: a single block cell; puzzle 3: 5x4.
const kakuro::Puzzle &puzzleOfThree(int n)
{
    static const std::vector<kakuro::Puzzle> puzzles = {
        kakuro::puzzleFromRecord({3, 2, {0, 1, 2, 0, 3, 4}}),
        kakuro::puzzleFromRecord({1, 1, {0}}),
        kakuro::puzzleFromRecord({5, 4, {0, 0, 7, 9, 0, 0, 4, 1, 2, 3, 1, 2, 0, 5, 8, 3, 1, 0, 0, 0}}),
    };
    return puzzles[std::size_t(n - 1)];
}

// What a restore promises: digits 0-9, never pen and pencil in one cell.
const char *checkEntries(const kakuro::Puzzle &p, const puzzle::Entries &e)
{
    if (e.cellCount() != p.entryCellCount())
        return "entries resized";
    for (int i = 0; i < e.cellCount(); ++i) {
        if (e.pen(i) > 9 || e.pencil(i) > 9)
            return "an entry above 9";
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
        const kakuro::Puzzle &p = puzzleOfThree(n);
        puzzle::Entries e(p.entryCellCount());
        puzzle::readSavedGameBytes(bytes, n, p, e);
        if (const char *broken = checkEntries(p, e))
            return broken;

        // Saving what was restored, and restoring that, gives the same entries.
        const QByteArray text = puzzle::savedGameText(n, p, e);
        if (text.count('\n') != 4 || !text.startsWith("[SAVED]\r\n"))
            return "a saved game that is not four lines";
        puzzle::Entries again(p.entryCellCount());
        puzzle::readSavedGameBytes(text, n, p, again);
        for (int i = 0; i < e.cellCount(); ++i)
            if (again.pen(i) != e.pen(i) || again.pencil(i) != e.pencil(i))
                return "a saved game that does not restore to what was saved";
    }
    return nullptr;
}

} // namespace fuzzing
