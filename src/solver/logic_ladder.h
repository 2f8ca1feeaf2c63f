// The whole ladder of logic: the run rungs through a propagator, then the rungs that look at the
// whole board (crossing runs, region sums, short contradiction), always going back to the cheapest
// rung after any of them finds something.
#pragma once

#include "solver/board_rungs.h"
#include "solver/propagator.h"

#include <memory>
#include <vector>

namespace kakuro {

class LogicLadder {
public:
    // How the run rungs are climbed: one by one as a person would, or in the solver's faster
    // order (fastRunLadder), which reaches the same fixed point but does not count them apart.
    enum class Pace { Human, Fast };

    // Climbs up to and including `ceiling`. The puzzle must outlive the ladder.
    LogicLadder(const Puzzle &puzzle, Technique ceiling, Pace pace = Pace::Human);
    LogicLadder(Puzzle &&, Technique, Pace = Pace::Human) = delete;
    ~LogicLadder();

    // Runs the ladder from `domains` to its fixed point; false when the puzzle became impossible.
    // `counts` (per technique) grows by one for every run or sweep in which a rung found something;
    // `steps` receives each deduction.
    bool solve(std::vector<DigitSet> &domains, LadderCounts *counts = nullptr,
               std::vector<LogicStep> *steps = nullptr);

    // The same from a fixed point of this ladder at which only `cell` has since been narrowed; the
    // board rungs then look only where something changed since.
    bool solveAfter(int cell, std::vector<DigitSet> &domains);

    // The short contradiction rung, once, on a fixed point of the cheaper rungs (the ladder's
    // ceiling must reach it): the first digit whose assumption breaks the board is removed.
    Outcome contradiction(std::vector<DigitSet> &domains, std::vector<LogicStep> *steps);

private:
    bool climb(std::vector<DigitSet> &domains, LadderCounts *counts, std::vector<LogicStep> *steps,
               TouchedRuns *touched);
    void touch(TouchedRuns &touched, int cell) const;

    const Puzzle &puzzle_;
    Technique ceiling_;
    RunLadder runRungs_;
    Propagator propagator_;
    std::vector<RunRectangle> rectangles_;
    ChangeLog changed_;
    ChangeLog trail_; // the run rungs' narrowings, while runs are being marked touched
    TouchedRuns touched_;
    std::unique_ptr<LogicLadder> cheaper_; // the ladder below the contradiction rung, for its probes
    std::vector<DigitSet> probe_;
};

} // namespace kakuro
