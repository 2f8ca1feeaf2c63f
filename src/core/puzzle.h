// A puzzle as the solver sees it: the entry cells, the runs through them and the runs' sums,
// built from a book record the way the game derives its runs.
#pragma once

#include "puzzle/book_format.h"

#include <array>
#include <cstdint>
#include <vector>

namespace kakuro {

// A maximal line of two or more entry cells. Its cells are runCells[first .. first + length - 1].
struct Run {
    int first = 0;
    int length = 0;
    int sum = 0;
    bool across = true;
};

inline constexpr int kNoRun = -1;

struct Puzzle {
    int width = 0;
    int height = 0;
    std::vector<int> cellAt;                    // grid position (row-major, 0-based) -> entry cell, or -1
    std::vector<int> positionOf;                // entry cell -> grid position
    std::vector<Run> runs;                      // across runs in scan order, then down runs
    std::vector<int> runCells;                  // the entry cells of every run, run after run
    std::vector<std::array<int, 2>> runsOfCell; // [0] across run, [1] down run, kNoRun where none

    int cellCount() const { return int(positionOf.size()); }
    int runCount() const { return int(runs.size()); }
    const int *cellsOf(int run) const { return runCells.data() + runs[std::size_t(run)].first; }
};

// The layout of a record (nonzero = entry cell) with sums taken from its digits.
Puzzle puzzleFromRecord(const puzzle::BookPuzzle &record);

// The runs of a layout (true = entry cell) with every sum 0; set them with setSums.
Puzzle puzzleFromLayout(int width, int height, const std::vector<bool> &entry);

// Sets every run's sum from `digits` (one per entry cell).
void setSums(Puzzle &puzzle, const std::vector<std::uint8_t> &digits);

// The digits of a record's entry cells, in entry-cell order.
std::vector<std::uint8_t> digitsOfRecord(const Puzzle &puzzle, const puzzle::BookPuzzle &record);

// A record of the puzzle's layout holding `digits` in its entry cells.
puzzle::BookPuzzle recordOf(const Puzzle &puzzle, const std::vector<std::uint8_t> &digits);

} // namespace kakuro
