// A Kakuro puzzle: its layout, its runs with their clues, and its solution when it has one. Every
// layer (solver, generator, game, board, printing) works on this one type.
//
// Board coordinates are (col, row) with the entry grid in 1..width x 1..height; row 0 and column 0
// lie outside it and hold the clue cells of runs that start at its edge. The entry cells are also
// numbered 0..entryCellCount-1 in reading order, which is how the solver and the player's entries
// address them.
#pragma once

#include "core/book_format.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace kakuro {

enum class Direction { Across, Down };

// A maximal line of two or more entry cells and the clue cell just before it: an across run
// covers (clueCol + 1 .. clueCol + length, clueRow), a down run (clueCol, clueRow + 1 .. clueRow +
// length). `first` is where its cells start in the puzzle's list of run cells.
struct Run {
    Direction direction = Direction::Across;
    int clueCol = 0;
    int clueRow = 0;
    int sum = 0;
    int length = 0;
    int first = 0;
};

inline constexpr int kNoRun = -1;

class Puzzle {
public:
    Puzzle() = default; // no cells, no runs

    int width() const { return width_; }
    int height() const { return height_; }
    int entryCellCount() const { return int(positionOf_.size()); }
    int runCount() const { return int(runs_.size()); }

    // The entry cell at a 0-based row-major grid position, or -1 for a block.
    int cellAt(int position) const { return cellAt_[std::size_t(position)]; }
    // The entry cell at (col, row), or -1 for a block or a place outside the grid.
    int cellAt(int col, int row) const
    {
        return isInGrid(col, row) ? cellAt((row - 1) * width_ + col - 1) : -1;
    }
    int positionOf(int cell) const { return positionOf_[std::size_t(cell)]; }
    int colOf(int cell) const { return positionOf(cell) % width_ + 1; }
    int rowOf(int cell) const { return positionOf(cell) / width_ + 1; }

    bool isInGrid(int col, int row) const { return col >= 1 && col <= width_ && row >= 1 && row <= height_; }
    bool isEntry(int col, int row) const { return cellAt(col, row) >= 0; }
    // Not an entry cell, with an entry cell to its right or below it (also in row 0 and column 0).
    bool isClueCell(int col, int row) const
    {
        return !isEntry(col, row) && (isEntry(col, row + 1) || isEntry(col + 1, row));
    }

    // Across runs row by row, then down runs column by column.
    const std::vector<Run> &runs() const { return runs_; }
    const Run &run(int index) const { return runs_[std::size_t(index)]; }
    // The entry cells of a run, first to last.
    std::span<const int> cells(const Run &run) const
    {
        return {runCells_.data() + run.first, std::size_t(run.length)};
    }
    std::span<const int> cells(int runIndex) const { return cells(run(runIndex)); }
    // The across run ([0]) and the down run ([1]) through an entry cell, kNoRun where none.
    const std::array<int, 2> &runsOf(int cell) const { return runsOfCell_[std::size_t(cell)]; }
    int acrossRunOf(int cell) const { return runsOf(cell)[0]; }
    int downRunOf(int cell) const { return runsOf(cell)[1]; }

    // The solution digit of an entry cell of a puzzle built from a record; 0 in a layout's.
    int solution(int cell) const { return solution_[std::size_t(cell)]; }
    const std::vector<std::uint8_t> &solution() const { return solution_; }

    // A new clue for one run, as a generator tries sums out.
    void setSum(int runIndex, int sum) { runs_[std::size_t(runIndex)].sum = sum; }

private:
    friend Puzzle puzzleFromLayout(int width, int height, const std::vector<bool> &entry);
    friend Puzzle puzzleFromRecord(const BookPuzzle &record);
    void scanLine(int start, int step, int count, Direction direction);

    int width_ = 0;
    int height_ = 0;
    std::vector<int> cellAt_;                    // grid position -> entry cell, or -1
    std::vector<int> positionOf_;                // entry cell -> grid position
    std::vector<Run> runs_;                      // across runs in scan order, then down runs
    std::vector<int> runCells_;                  // the entry cells of every run, run after run
    std::vector<std::array<int, 2>> runsOfCell_; // by entry cell
    std::vector<std::uint8_t> solution_;         // by entry cell
};

// The layout of a record (nonzero = entry cell) with its digits as the solution, sums taken from them.
Puzzle puzzleFromRecord(const BookPuzzle &record);

// The runs of a layout (true = entry cell, row-major) with every sum 0; set them with setSums.
Puzzle puzzleFromLayout(int width, int height, const std::vector<bool> &entry);

// Sets every run's sum from `digits` (one per entry cell).
void setSums(Puzzle &puzzle, const std::vector<std::uint8_t> &digits);

// The digits of a record's entry cells, in entry-cell order.
std::vector<std::uint8_t> digitsOfRecord(const Puzzle &puzzle, const BookPuzzle &record);

// A record of the puzzle's layout holding `digits` in its entry cells.
BookPuzzle recordOf(const Puzzle &puzzle, const std::vector<std::uint8_t> &digits);

} // namespace kakuro
