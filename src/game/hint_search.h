// The search behind a hint: the first step of the cheapest rung of the ladder that makes any
// progress on the board as the player has it, a placement before a removal within a rung.
#pragma once

#include "solver/rung_steps.h"

#include <optional>
#include <vector>

namespace game {

// One step: what it concludes about one cell, and what a sentence needs to explain it.
struct HintStep {
    kakuro::Technique technique = kakuro::Technique::Combinations;
    bool places = false;         // the cell is left one digit; otherwise digits are removed from it
    int cell = -1;               // the entry cell
    kakuro::DigitSet before = 0; // the cell's digits as the step found them
    kakuro::DigitSet after = 0;  // what the step leaves
    int run = kakuro::kNoRun;    // the run a run rung looked at
    std::vector<int> runs;       // every run the step used, `run` first
    std::vector<int> group;      // Pairs and TriplesAndQuads: the cells of the subset
    kakuro::DigitSet digits = 0; // the evidence of the rung's deduction (see kakuro::LogicStep)
    bool hidden = false; // Pairs and TriplesAndQuads: digits the run needs that only the group can take
    int assumed = 0;     // Contradiction: the digit whose assumption breaks the board
};

class HintSearch {
public:
    // The puzzle must outlive the search.
    explicit HintSearch(const kakuro::Puzzle &puzzle);
    HintSearch(kakuro::Puzzle &&) = delete;

    // `board` holds, per cell, the bit of the digit written there, else the player's marks, else
    // kAllDigits; none of it may leave out the solution. Nothing when no rung finds anything.
    std::optional<HintStep> find(const std::vector<kakuro::DigitSet> &board);

private:
    kakuro::RungSteps steps_;
};

} // namespace game
