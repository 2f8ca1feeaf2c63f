// Building a puzzle: entry cells numbered in reading order, runs as maximal lines of two or more
// entry cells, across before down.
#include "core/puzzle.h"

namespace kakuro {

// Walks one line of `count` grid positions (start, start + step, ...) and records its runs.
void Puzzle::scanLine(int start, int step, int count, Direction direction)
{
    const int axis = direction == Direction::Across ? 0 : 1;
    int length = 0;
    auto close = [&](int end) { // `end` is the index along the line just past the run
        if (length < 2)
            return;
        // The clue cell sits just before the run's first cell, in the border for an edge run.
        const int position = start + (end - length) * step;
        Run run;
        run.direction = direction;
        run.clueCol = position % width_ + 1 - (1 - axis);
        run.clueRow = position / width_ + 1 - axis;
        run.length = length;
        run.first = int(runCells_.size());
        for (int k = end - length; k < end; ++k) {
            const int cell = cellAt_[std::size_t(start + k * step)];
            runCells_.push_back(cell);
            runsOfCell_[std::size_t(cell)][std::size_t(axis)] = int(runs_.size());
        }
        runs_.push_back(run);
    };
    for (int k = 0; k < count; ++k) {
        if (cellAt_[std::size_t(start + k * step)] >= 0) {
            ++length;
        } else {
            close(k);
            length = 0;
        }
    }
    close(count);
}

Puzzle puzzleFromLayout(int width, int height, const std::vector<bool> &entry)
{
    Puzzle p;
    p.width_ = width;
    p.height_ = height;
    p.cellAt_.assign(std::size_t(width) * std::size_t(height), -1);
    for (std::size_t pos = 0; pos < p.cellAt_.size(); ++pos) {
        if (entry[pos]) {
            p.cellAt_[pos] = int(p.positionOf_.size());
            p.positionOf_.push_back(int(pos));
        }
    }
    p.runsOfCell_.assign(p.positionOf_.size(), {kNoRun, kNoRun});
    p.solution_.assign(p.positionOf_.size(), 0);
    for (int row = 0; row < height; ++row)
        p.scanLine(row * width, 1, width, Direction::Across);
    for (int col = 0; col < width; ++col)
        p.scanLine(col, width, height, Direction::Down);
    return p;
}

Puzzle puzzleFromRecord(const BookPuzzle &record)
{
    std::vector<bool> entry(record.cells.size());
    for (std::size_t i = 0; i < entry.size(); ++i)
        entry[i] = record.cells[i] != 0;
    Puzzle p = puzzleFromLayout(record.width, record.height, entry);
    p.solution_ = digitsOfRecord(p, record);
    setSums(p, p.solution_);
    return p;
}

void setSums(Puzzle &puzzle, const std::vector<std::uint8_t> &digits)
{
    for (int r = 0; r < puzzle.runCount(); ++r) {
        int sum = 0;
        for (int cell : puzzle.cells(r))
            sum += digits[std::size_t(cell)];
        puzzle.setSum(r, sum);
    }
}

std::vector<std::uint8_t> digitsOfRecord(const Puzzle &puzzle, const BookPuzzle &record)
{
    std::vector<std::uint8_t> digits(std::size_t(puzzle.entryCellCount()));
    for (std::size_t c = 0; c < digits.size(); ++c)
        digits[c] = record.cells[std::size_t(puzzle.positionOf(int(c)))];
    return digits;
}

BookPuzzle recordOf(const Puzzle &puzzle, const std::vector<std::uint8_t> &digits)
{
    BookPuzzle record;
    record.width = puzzle.width();
    record.height = puzzle.height();
    record.cells.assign(std::size_t(puzzle.width()) * std::size_t(puzzle.height()), 0);
    for (std::size_t c = 0; c < digits.size(); ++c)
        record.cells[std::size_t(puzzle.positionOf(int(c)))] = digits[c];
    return record;
}

} // namespace kakuro
