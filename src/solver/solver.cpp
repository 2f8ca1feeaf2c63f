// The solution counter: propagate, branch on the smallest open set, undo by restoring a copy.
#include "solver/solver.h"

namespace kakuro {

Solver::Solver(const Puzzle &puzzle)
    : puzzle_(puzzle), propagator_(puzzle, {Technique::Quick, Technique::RunConsistency})
{
    // The search is never deeper than the number of cells; reserving keeps references to the
    // copies valid while deeper levels are added.
    saved_.reserve(std::size_t(puzzle.cellCount()) + 1);
}

SolveResult Solver::solve(int limit)
{
    return solveFrom(std::vector<DigitSet>(std::size_t(puzzle_.cellCount()), kAllDigits), limit);
}

SolveResult Solver::solveFrom(const std::vector<DigitSet> &start, int limit)
{
    SolveResult result;
    std::vector<DigitSet> domains = start;
    propagator_.queueAll();
    if (propagator_.propagate(domains))
        search(domains, 0, result, limit < 1 ? 1 : limit);
    return result;
}

void Solver::search(std::vector<DigitSet> &domains, int depth, SolveResult &result, int limit)
{
    // Domains are at a fixed point here. Branch on an open cell with the fewest digits.
    int best = -1, bestCount = 10;
    for (int cell = 0; cell < puzzle_.cellCount(); ++cell) {
        const int count = digitCount(domains[std::size_t(cell)]);
        if (count > 1 && count < bestCount) {
            best = cell;
            bestCount = count;
            if (count == 2)
                break;
        }
    }
    if (best < 0) {
        std::vector<std::uint8_t> digits(domains.size());
        for (std::size_t c = 0; c < digits.size(); ++c)
            digits[c] = std::uint8_t(lowestDigit(domains[c]));
        (result.solutions == 0 ? result.first : result.second) = std::move(digits);
        ++result.solutions;
        return;
    }
    if (saved_.size() <= std::size_t(depth))
        saved_.resize(std::size_t(depth) + 1);
    std::vector<DigitSet> &copy = saved_[std::size_t(depth)];
    copy = domains;
    ++result.branches;
    const DigitSet options = domains[std::size_t(best)];
    for (DigitSet rest = options; rest && result.solutions < limit; rest &= DigitSet(rest - 1)) {
        domains = copy;
        domains[std::size_t(best)] = DigitSet(rest & -rest);
        propagator_.queueCell(best);
        if (propagator_.propagate(domains))
            search(domains, depth + 1, result, limit);
    }
    domains = copy;
}

int countSolutions(const Puzzle &puzzle, int limit)
{
    Solver solver(puzzle);
    return solver.solve(limit).solutions;
}

} // namespace kakuro
