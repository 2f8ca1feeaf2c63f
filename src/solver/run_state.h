// A run as the techniques see it: its undecided cells, the digits placed in it, and what is left
// of its sum. Gathered afresh each time a technique looks at the run.
#pragma once

#include "core/digit_set.h"
#include "core/puzzle.h"
#include "solver/techniques.h"

#include <vector>

namespace kakuro {

struct RunState {
    int open[9]; // undecided cells (more than one digit possible)
    int openCount = 0;
    DigitSet placed = 0;   // digits of the decided cells
    DigitSet possible = 0; // digits some undecided cell can still take, placed ones excluded
    int remaining = 0;     // the sum less the placed digits
    bool broken = false;   // a digit placed twice, more than nine cells open, or a sum gone wrong
};

RunState gatherRun(const Puzzle &puzzle, int run, const std::vector<DigitSet> &domains);

// Narrows the set of `cell` to `keep`; records the cell when it shrank. False if nothing is left.
inline bool narrow(int cell, DigitSet keep, std::vector<DigitSet> &domains, ChangeLog &changed, bool &any)
{
    DigitSet &d = domains[std::size_t(cell)];
    const DigitSet next = d & keep;
    if (next == d)
        return true;
    changed.push_back({cell, d});
    d = next;
    any = true;
    return next != 0;
}

} // namespace kakuro
