// The rungs that look past one run: crossing runs (four runs meeting at the corners of a
// rectangle) and region sums (the clues of a block of runs against those of the runs across it).
// Each sweeps the whole board once and records a step for every deduction it makes.
#pragma once

#include "solver/techniques.h"

#include <vector>

namespace kakuro {

// Two across runs and two down runs that meet at four cells: corner[i][j] lies in across[i] and
// down[j].
struct RunRectangle {
    int across[2];
    int down[2];
    int corner[2][2];
};

std::vector<RunRectangle> findRectangles(const Puzzle &puzzle);

// True when the open cells `sets[0..n)` can take distinct digits, none of them in `used`, that
// add up to `sum`.
bool hasFilling(const DigitSet *sets, int n, int sum, DigitSet used);

// Runs whose cells changed since the board was last at a fixed point of every rung; with it, a
// sweep looks only at rectangles and regions that hold such a run (null: at everything).
using TouchedRuns = std::vector<char>;

// For every rectangle with an open corner: a corner digit that no joint filling of the four runs
// (each run distinct and making its sum, the corners shared) uses goes.
Outcome crossingRuns(const Puzzle &puzzle, const std::vector<RunRectangle> &rectangles,
                     std::vector<DigitSet> &domains, ChangeLog &changed, std::vector<LogicStep> *steps,
                     const TouchedRuns *touched = nullptr);

// Connected blocks of up to six whole runs in one direction against the runs of the other
// direction that meet them: the two sums of clues differ by the cells that stick out (outies) and
// the cells of the block in no crossing run (innies). One open cell left in that balance is placed;
// two or three must add up to what is left, which narrows them. Both directions are swept.
Outcome regionSums(const Puzzle &puzzle, std::vector<DigitSet> &domains, ChangeLog &changed,
                   std::vector<LogicStep> *steps, const TouchedRuns *touched = nullptr);

// Every deduction one sweep of crossing runs, or of region sums, finds in `domains` as they are,
// each on its own: no deduction builds on another, and nothing is found on a board that turns out
// impossible. For telling a single step, as a hint does.
std::vector<LogicStep> crossingRunSteps(const Puzzle &puzzle, const std::vector<RunRectangle> &rectangles,
                                        const std::vector<DigitSet> &domains);
std::vector<LogicStep> regionSumSteps(const Puzzle &puzzle, const std::vector<DigitSet> &domains);

} // namespace kakuro
