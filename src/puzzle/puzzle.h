// A puzzle as the player meets it: its size, its solution and the runs derived from it. It never
// changes once built.
#pragma once

#include "puzzle/book_format.h"

#include <cstdint>
#include <vector>

namespace puzzle {

// A run of two or more entry cells and the clue cell just before it.
// An across run covers (clueCol + 1 .. clueCol + length, clueRow);
// a down run covers (clueCol, clueRow + 1 .. clueRow + length).
struct Run {
    int clueCol = 0;
    int clueRow = 0;
    int sum = 0;
    int length = 0;

    bool operator==(const Run &) const = default;
};

// Cells are addressed as (col, row), both 1-based from the top left, or by the row-major cell
// index i = (row - 1) * width + col in 1..cellCount. Row 0 and column 0 lie outside the grid; they
// hold the clue cells of runs that start at its edge.
class Puzzle {
public:
    Puzzle() = default; // an empty grid: no cells, no runs
    explicit Puzzle(const BookPuzzle &record);

    int width() const { return width_; }
    int height() const { return height_; }
    int cellCount() const { return width_ * height_; }
    int entryCellCount() const { return entryCellCount_; }

    int cellIndex(int col, int row) const { return (row - 1) * width_ + col; }
    int colOf(int i) const { return ((i - 1) % width_) + 1; }
    int rowOf(int i) const { return ((i - 1) / width_) + 1; }
    bool isInGrid(int col, int row) const { return col >= 1 && col <= width_ && row >= 1 && row <= height_; }

    // The solution digit of cell i in 1..cellCount; 0 for a block cell.
    int solution(int i) const { return solution_[std::size_t(i)]; }
    // Precondition: isInGrid(col, row).
    int solutionAt(int col, int row) const { return solution(cellIndex(col, row)); }
    // An entry cell lies in the grid and has a solution digit.
    bool isEntry(int col, int row) const { return isInGrid(col, row) && solutionAt(col, row) != 0; }
    // Not an entry cell, with an entry cell to its right or below it (also in row 0 and column 0).
    bool isClueCell(int col, int row) const;

    // In scan order: across runs row by row, down runs column by column.
    const std::vector<Run> &acrossRuns() const { return across_; }
    const std::vector<Run> &downRuns() const { return down_; }
    // The index into acrossRuns() or downRuns() of the run through cell i; -1 when none does.
    int acrossRunOf(int i) const { return acrossOf_[std::size_t(i)]; }
    int downRunOf(int i) const { return downOf_[std::size_t(i)]; }

private:
    void deriveRuns();

    int width_ = 0;
    int height_ = 0;
    int entryCellCount_ = 0;
    std::vector<std::uint8_t> solution_ = {0}; // by cell index; element 0 unused
    std::vector<Run> across_;
    std::vector<Run> down_;
    std::vector<int> acrossOf_ = {-1}; // by cell index
    std::vector<int> downOf_ = {-1};
};

} // namespace puzzle
