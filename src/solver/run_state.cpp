// Gathering a run's open cells, placed digits and remaining sum.
#include "solver/run_state.h"

namespace kakuro {

RunState gatherRun(const Puzzle &puzzle, int run, const std::vector<DigitSet> &domains)
{
    RunState s;
    const Run &r = puzzle.run(run);
    const std::span<const int> cells = puzzle.cells(run);
    s.remaining = r.sum;
    for (int k = 0; k < r.length; ++k) {
        const DigitSet d = domains[std::size_t(cells[k])];
        if (isSingle(d)) {
            if (s.placed & d)
                s.broken = true;
            s.placed |= d;
            s.remaining -= lowestDigit(d);
        } else if (s.openCount == 9) {
            s.broken = true;
        } else {
            s.open[s.openCount++] = cells[k];
            s.possible |= d;
        }
    }
    s.possible &= DigitSet(~s.placed);
    if (s.openCount == 0 && s.remaining != 0)
        s.broken = true;
    if (s.remaining < 0)
        s.broken = true;
    return s;
}

} // namespace kakuro
