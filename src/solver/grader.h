// Grades a puzzle the way a person solves it: the ladder of techniques, easiest first, and a
// guess only when every technique is stuck. The hardest technique needed sets the difficulty.
#pragma once

#include "solver/logic_ladder.h"

#include <string_view>

namespace kakuro {

enum class Difficulty : std::uint8_t {
    Easy,     // combinations and hidden singles
    Medium,   // remainders
    Hard,     // pairs, triples and quads
    Expert,   // whole-run consistency
    Master,   // crossing runs, region sums or a short contradiction
    Guessing, // logic alone is stuck somewhere
};

inline constexpr int kDifficultyCount = 6;

std::string_view difficultyName(Difficulty d);

struct Grade {
    bool solvedByLogic = false; // every cell decided without a guess
    Technique hardest = Technique::Combinations;
    Difficulty difficulty = Difficulty::Easy;
    int solutions = 0;   // 0, 1, or 2 meaning "more than one"
    LadderCounts uses{}; // per technique of the ladder, how often it changed something
    int openCells = 0;   // cells logic left undecided (0 when solved by logic)
    int score = 0;       // grows with the amount and weight of the work; orders puzzles
};

// The ladder as a person climbs it, easiest first.
const std::vector<Technique> &humanLadder();

// The run rungs of a ladder that reaches the same fixed point as the human ladder up to `ceiling`
// (at most RunConsistency) in fewer steps: the order of sound deductions does not change where
// they end, only what the grade reports.
RunLadder fastRunLadder(Technique ceiling);

// The band a technique puts a puzzle in.
Difficulty difficultyOf(Technique hardest);

class Grader {
public:
    // The puzzle must outlive the grader.
    explicit Grader(const Puzzle &puzzle);
    explicit Grader(Puzzle &&) = delete;

    // Solves by logic with the techniques up to and including `ceiling`; when stuck, counts the
    // solutions from there (up to two). `stuck`, when given, receives the digit sets where logic stopped.
    // Without `countWhenStuck` a stuck grade leaves `solutions` at 0 and is cheaper. `steps`, when
    // given, receives every deduction in the order the ladder made them.
    Grade grade(Technique ceiling = Technique::Contradiction, std::vector<DigitSet> *stuck = nullptr,
                bool countWhenStuck = true, std::vector<LogicStep> *steps = nullptr);

private:
    const Puzzle &puzzle_;
};

} // namespace kakuro
