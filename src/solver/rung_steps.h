// Every deduction one rung of the ladder makes on a board as it stands, each on its own: what a
// person could see in one look, and what a hint tells.
#pragma once

#include "solver/logic_ladder.h"

#include <memory>
#include <vector>

namespace kakuro {

class RungSteps {
public:
    // The puzzle must outlive the steps.
    explicit RungSteps(const Puzzle &puzzle);
    RungSteps(Puzzle &&) = delete;

    // The deductions `rung` (Combinations .. Contradiction) finds in `domains`, none building on
    // another; nothing when it finds none. A run rung gives at most one step per run, its first
    // deduction there with its evidence, and passes over runs it finds impossible; a board rung
    // gives nothing on a board it finds impossible. The short contradiction
    // gives its first, and expects `domains` to be a fixed point of every cheaper rung.
    std::vector<LogicStep> of(Technique rung, const std::vector<DigitSet> &domains);

private:
    const Puzzle &puzzle_;
    // Made when a board rung is first reached: most hints never need them.
    std::unique_ptr<std::vector<RunRectangle>> rectangles_;
    std::unique_ptr<LogicLadder> ladder_; // for the short contradiction
    std::vector<DigitSet> scratch_;
};

} // namespace kakuro
