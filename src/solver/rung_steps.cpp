// One look per rung: each run rung tried on every run of an unchanged board, the board rungs swept
// once, the short contradiction probed once.
#include "solver/rung_steps.h"

namespace kakuro {

RungSteps::RungSteps(const Puzzle &puzzle) : puzzle_(puzzle) {}

std::vector<LogicStep> RungSteps::of(Technique rung, const std::vector<DigitSet> &domains)
{
    switch (rung) {
    case Technique::CrossingRuns:
        if (!rectangles_)
            rectangles_ = std::make_unique<std::vector<RunRectangle>>(findRectangles(puzzle_));
        return crossingRunSteps(puzzle_, *rectangles_, domains);
    case Technique::RegionSums:
        return regionSumSteps(puzzle_, domains);
    case Technique::Contradiction: {
        std::vector<LogicStep> steps;
        if (!ladder_)
            ladder_ = std::make_unique<LogicLadder>(puzzle_, Technique::Contradiction);
        scratch_ = domains;
        if (ladder_->contradiction(scratch_, &steps) != Outcome::Changed)
            steps.clear();
        return steps;
    }
    default:
        break;
    }
    std::vector<LogicStep> steps;
    scratch_ = domains;
    ChangeLog log;
    for (int run = 0; run < puzzle_.runCount(); ++run) {
        log.clear();
        LogicStep step;
        step.technique = rung;
        step.runs = {run};
        const Outcome outcome = applyTechnique(rung, puzzle_, run, scratch_, log, &step);
        if (outcome == Outcome::Changed) {
            step.cells = cellStepsOf(log, scratch_);
            steps.push_back(std::move(step));
        }
        // A run that cannot be filled as it stands (on a puzzle whose own solution breaks the
        // rules) teaches nothing; the other runs still may.
        for (const Change &c : log)
            scratch_[std::size_t(c.cell)] = domains[std::size_t(c.cell)];
    }
    return steps;
}

} // namespace kakuro
