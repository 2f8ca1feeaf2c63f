// The search behind a hint: the next step a person could take from the clues and the digits on the
// board. Each empty cell is first narrowed by the combinations of its own two runs, as a person
// sees it at a glance; then the rungs of the ladder are tried one at a time, cheapest first, each
// applied once to that picture of the board, so that every step found is one explainable look.
#pragma once

#include "solver/board_rungs.h"
#include "solver/techniques.h"

#include <optional>
#include <vector>

namespace game {

// One step: what it concludes about one cell, and what a sentence needs to explain it.
struct HintStep {
    kakuro::Technique rung = kakuro::Technique::Combinations;
    bool places = false;         // the cell is left one digit; otherwise digits are removed from it
    int cell = -1;               // the solver's cell number
    kakuro::DigitSet before = 0; // the cell's digits as the step found them
    kakuro::DigitSet after = 0;  // what the step leaves
    int run = kakuro::kNoRun;    // the run a run rung looked at
    std::vector<int> runs;       // every run the step used, `run` first
    std::vector<int> group;      // Pairs and Subsets: the cells of the subset
    kakuro::DigitSet digits = 0; // HiddenSingle: the digit; Pairs and Subsets: the subset's digits;
                                 // Remainder: the digits the run's other empty cells can hold
    bool hidden = false;         // Pairs and Subsets: digits the run needs that only the group can take
    int assumed = 0;             // Contradiction: the digit whose assumption breaks the board
};

class HintSearch {
public:
    // The puzzle must outlive the search.
    explicit HintSearch(const kakuro::Puzzle &puzzle);
    HintSearch(kakuro::Puzzle &&) = delete;

    // `written` holds, per cell, the bit of the digit written there or kAllDigits for an empty
    // cell; the written digits must be right. The cheapest rung that places a digit gives the
    // step; when none does, the cheapest that removes digits from a cell; nothing when no rung
    // finds anything.
    std::optional<HintStep> find(const std::vector<kakuro::DigitSet> &written) const;

    // Each empty cell narrowed to the digits both of its runs allow by their combinations.
    std::vector<kakuro::DigitSet> atAGlance(const std::vector<kakuro::DigitSet> &written) const;

private:
    const kakuro::Puzzle &puzzle_;
    std::vector<kakuro::RunRectangle> rectangles_;
};

// The digits of the combinations of run `run` from the written digits alone.
kakuro::DigitSet runAllows(const kakuro::Puzzle &puzzle, int run,
                           const std::vector<kakuro::DigitSet> &written);

} // namespace game
