// The grader: the human ladder to its fixed point, then a count of solutions if it got stuck.
#include "solver/grader.h"

#include "solver/solver.h"

namespace kakuro {
namespace {

// What one use of each rung weighs in the score.
constexpr int kWeights[kLadderSize] = {1, 2, 4, 8, 16, 32, 48, 64, 96};

} // namespace

std::string_view difficultyName(Difficulty d)
{
    switch (d) {
    case Difficulty::Easy:
        return "easy";
    case Difficulty::Medium:
        return "medium";
    case Difficulty::Hard:
        return "hard";
    case Difficulty::Expert:
        return "expert";
    case Difficulty::Master:
        return "master";
    case Difficulty::Guessing:
        return "guessing";
    }
    return "?";
}

const std::vector<Technique> &humanLadder()
{
    static const std::vector<Technique> ladder = {
        Technique::Combinations, Technique::HiddenSingle,    Technique::Remainder,
        Technique::Pairs,        Technique::TriplesAndQuads, Technique::RunConsistency,
        Technique::CrossingRuns, Technique::RegionSums,      Technique::Contradiction};
    return ladder;
}

RunLadder fastRunLadder(Technique ceiling)
{
    constexpr HiddenSingles fused = HiddenSingles::WithCombinations;
    switch (ceiling) {
    case Technique::Combinations:
        return {{Technique::Combinations}};
    case Technique::HiddenSingle:
        return {{Technique::Combinations}, fused};
    case Technique::Remainder:
        return {{Technique::Combinations, Technique::Remainder}, fused};
    case Technique::Pairs:
        return {{Technique::Combinations, Technique::Remainder, Technique::Pairs}, fused};
    case Technique::TriplesAndQuads:
        return {{Technique::Combinations, Technique::Remainder, Technique::Pairs, Technique::TriplesAndQuads},
                fused};
    default:
        return {{Technique::Combinations, Technique::RunConsistency}, fused};
    }
}

Difficulty difficultyOf(Technique hardest)
{
    switch (hardest) {
    case Technique::Combinations:
    case Technique::HiddenSingle:
        return Difficulty::Easy;
    case Technique::Remainder:
        return Difficulty::Medium;
    case Technique::Pairs:
    case Technique::TriplesAndQuads:
        return Difficulty::Hard;
    case Technique::RunConsistency:
        return Difficulty::Expert;
    case Technique::CrossingRuns:
    case Technique::RegionSums:
    case Technique::Contradiction:
        return Difficulty::Master;
    }
    return Difficulty::Guessing;
}

Grader::Grader(const Puzzle &puzzle) : puzzle_(puzzle) {}

Grade Grader::grade(Technique ceiling, std::vector<DigitSet> *stuck, bool countWhenStuck,
                    std::vector<LogicStep> *steps)
{
    LogicLadder ladder(puzzle_, ceiling);
    std::vector<DigitSet> domains(std::size_t(puzzle_.entryCellCount()), kAllDigits);
    Grade g;
    const bool consistent = ladder.solve(domains, &g.uses, steps);
    for (int rung = 0; rung < kLadderSize; ++rung) {
        if (g.uses[std::size_t(rung)] > 0) {
            g.hardest = Technique(rung);
            g.score += g.uses[std::size_t(rung)] * kWeights[rung];
        }
    }
    g.difficulty = difficultyOf(g.hardest);
    if (!consistent) {
        g.solutions = 0;
        g.difficulty = Difficulty::Guessing;
        return g;
    }
    for (DigitSet d : domains)
        if (!isSingle(d))
            ++g.openCells;
    if (stuck)
        *stuck = domains;
    if (g.openCells == 0) {
        g.solvedByLogic = true;
        g.solutions = 1;
        return g;
    }
    g.difficulty = Difficulty::Guessing;
    if (!countWhenStuck)
        return g;
    Solver solver(puzzle_);
    solver.setBranchLimit(kSearchLimit);
    const SolveResult counted = solver.solveFrom(domains, 2);
    g.solutions = counted.gaveUp && counted.solutions < 2 ? -1 : counted.solutions;
    return g;
}

} // namespace kakuro
