// Building the solver's view of a puzzle: entry cells numbered in reading order, runs derived as
// the game derives them (maximal lines of two or more entry cells).
#include "solver/kakuro_puzzle.h"

namespace kakuro {
namespace {

// Walks one line of `count` positions (start, start + step, ...) and records its runs.
void scanLine(Puzzle &p, int start, int step, int count, bool across)
{
    int length = 0;
    auto close = [&](int end) { // `end` is the index along the line just past the run
        if (length < 2)
            return;
        Run run;
        run.first = int(p.runCells.size());
        run.length = length;
        run.across = across;
        const int id = int(p.runs.size());
        for (int k = end - length; k < end; ++k) {
            const int cell = p.cellAt[std::size_t(start + k * step)];
            p.runCells.push_back(cell);
            p.runsOfCell[std::size_t(cell)][across ? 0 : 1] = id;
        }
        p.runs.push_back(run);
    };
    for (int k = 0; k < count; ++k) {
        if (p.cellAt[std::size_t(start + k * step)] >= 0) {
            ++length;
        } else {
            close(k);
            length = 0;
        }
    }
    close(count);
}

} // namespace

Puzzle puzzleFromLayout(int width, int height, const std::vector<bool> &entry)
{
    Puzzle p;
    p.width = width;
    p.height = height;
    p.cellAt.assign(std::size_t(width) * std::size_t(height), -1);
    for (std::size_t pos = 0; pos < p.cellAt.size(); ++pos) {
        if (entry[pos]) {
            p.cellAt[pos] = int(p.positionOf.size());
            p.positionOf.push_back(int(pos));
        }
    }
    p.runsOfCell.assign(p.positionOf.size(), {kNoRun, kNoRun});
    for (int row = 0; row < height; ++row)
        scanLine(p, row * width, 1, width, true);
    for (int col = 0; col < width; ++col)
        scanLine(p, col, width, height, false);
    return p;
}

Puzzle puzzleFromRecord(const puzzle::BookPuzzle &record)
{
    std::vector<bool> entry(record.cells.size());
    for (std::size_t i = 0; i < entry.size(); ++i)
        entry[i] = record.cells[i] != 0;
    Puzzle p = puzzleFromLayout(record.width, record.height, entry);
    setSums(p, digitsOfRecord(p, record));
    return p;
}

void setSums(Puzzle &puzzle, const std::vector<std::uint8_t> &digits)
{
    for (Run &run : puzzle.runs) {
        run.sum = 0;
        for (int k = 0; k < run.length; ++k)
            run.sum += digits[std::size_t(puzzle.runCells[std::size_t(run.first + k)])];
    }
}

std::vector<std::uint8_t> digitsOfRecord(const Puzzle &puzzle, const puzzle::BookPuzzle &record)
{
    std::vector<std::uint8_t> digits(puzzle.positionOf.size());
    for (std::size_t c = 0; c < digits.size(); ++c)
        digits[c] = record.cells[std::size_t(puzzle.positionOf[c])];
    return digits;
}

puzzle::BookPuzzle recordOf(const Puzzle &puzzle, const std::vector<std::uint8_t> &digits)
{
    puzzle::BookPuzzle record;
    record.width = puzzle.width;
    record.height = puzzle.height;
    record.cells.assign(std::size_t(puzzle.width) * std::size_t(puzzle.height), 0);
    for (std::size_t c = 0; c < digits.size(); ++c)
        record.cells[std::size_t(puzzle.positionOf[c])] = digits[c];
    return record;
}

} // namespace kakuro
