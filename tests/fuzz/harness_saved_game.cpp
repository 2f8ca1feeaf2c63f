// Fuzzes the saved-game reader: a file restored into a board, then saved and restored again.
#include "harnesses.h"

#include "puzzle/book_format.h"
#include "puzzle/saved_game.h"

namespace fuzzing {
namespace {

// Puzzle 1: 3x2 with blocks in column 1; puzzle 2: a single block cell; puzzle 3: 5x4.
const puzzle::Board &bookOfThree()
{
    static const puzzle::Board board = [] {
        const std::vector<puzzle::BookPuzzle> puzzles = {
            {3, 2, {0, 1, 2, 0, 3, 4}},
            {1, 1, {0}},
            {5, 4, {0, 0, 7, 9, 0, 0, 4, 1, 2, 3, 1, 2, 0, 5, 8, 3, 1, 0, 0, 0}},
        };
        const std::vector<std::uint8_t> bytes = puzzle::encodeBook(puzzles);
        puzzle::Board b;
        puzzle::loadBookBytes(
            b, QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size())));
        return b;
    }();
    return board;
}

// What a restore promises: digits 0-9, only in entry cells, never pen and pencil in one cell.
const char *checkEntries(const puzzle::Board &b)
{
    const std::size_t size = std::size_t(b.cellCount) + 1;
    if (b.penEntries.size() != size || b.pencilEntries.size() != size || b.errorMarks.size() != size)
        return "entry arrays resized";
    for (std::size_t i = 1; i < size; ++i) {
        const int pen = b.penEntries[i], pencil = b.pencilEntries[i];
        if (pen > 9 || pencil > 9)
            return "an entry above 9";
        if ((pen || pencil) && b.layoutGrid[i] == 0)
            return "an entry in a block cell";
        if (pen && pencil)
            return "a pen and a pencil digit in one cell";
        if (b.errorMarks[i] != 0)
            return "an error mark set by a restore";
    }
    return nullptr;
}

} // namespace

const char *savedGame(Input data)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data.data()), qsizetype(data.size()));
    for (int n = 1; n <= 3; ++n) {
        puzzle::Board b = bookOfThree();
        puzzle::loadPuzzle(b, n);
        b.lastPlayed[1] = n;
        puzzle::readSavedGameBytes(b, bytes);
        if (const char *broken = checkEntries(b))
            return broken;

        // Saving what was restored, and restoring that, gives the same board.
        const QByteArray text = puzzle::savedGameText(b);
        if (text.count('\n') != 4 || !text.startsWith("[SAVED]\r\n"))
            return "a saved game that is not four lines";
        puzzle::Board again = bookOfThree();
        puzzle::loadPuzzle(again, n);
        again.lastPlayed[1] = n;
        puzzle::readSavedGameBytes(again, text);
        if (again.penEntries != b.penEntries || again.pencilEntries != b.pencilEntries)
            return "a saved game that does not restore to what was saved";
    }
    return nullptr;
}

} // namespace fuzzing
