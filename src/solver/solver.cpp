// The solution counter: propagate, branch on the smallest open set, and undo through a trail of
// narrowings. The search keeps its own stack, so a deep search needs no deep recursion and its
// memory grows with the narrowings made, not with depth times puzzle size.
#include "solver/solver.h"

namespace kakuro {

Solver::Solver(const Puzzle &puzzle)
    : puzzle_(puzzle), propagator_(puzzle, {{Technique::Combinations, Technique::RunConsistency},
                                            HiddenSingles::WithCombinations})
{
    propagator_.setTrail(&trail_);
}

SolveResult Solver::solve(int limit)
{
    return solveFrom(std::vector<DigitSet>(std::size_t(puzzle_.entryCellCount()), kAllDigits), limit);
}

SolveResult Solver::solveFrom(const std::vector<DigitSet> &start, int limit)
{
    SolveResult result;
    std::vector<DigitSet> domains = start;
    trail_.clear();
    propagator_.queueAll();
    if (propagator_.propagate(domains))
        search(domains, result, limit < 1 ? 1 : limit);
    trail_.clear();
    return result;
}

int Solver::branchCell(const std::vector<DigitSet> &domains) const
{
    int best = -1, bestCount = 10;
    for (int cell = 0; cell < puzzle_.entryCellCount(); ++cell) {
        const int count = digitCount(domains[std::size_t(cell)]);
        if (count > 1 && count < bestCount) {
            best = cell;
            bestCount = count;
            if (count == 2)
                break;
        }
    }
    return best;
}

void Solver::undoTo(std::size_t mark, std::vector<DigitSet> &domains)
{
    while (trail_.size() > mark) {
        domains[std::size_t(trail_.back().cell)] = trail_.back().before;
        trail_.pop_back();
    }
}

void Solver::search(std::vector<DigitSet> &domains, SolveResult &result, int limit)
{
    struct Frame {
        int cell;
        DigitSet untried; // digits of the cell still to try
        std::size_t mark; // trail length before the cell was decided
    };
    std::vector<Frame> stack;
    bool descend = true; // domains are at a fixed point and no branch has been chosen yet
    while (result.solutions < limit) {
        if (descend) {
            const int cell = branchCell(domains);
            if (cell < 0) {
                std::vector<std::uint8_t> digits(domains.size());
                for (std::size_t c = 0; c < digits.size(); ++c)
                    digits[c] = std::uint8_t(lowestDigit(domains[c]));
                (result.solutions == 0 ? result.first : result.second) = std::move(digits);
                ++result.solutions;
                descend = false;
                continue;
            }
            if (branchLimit_ >= 0 && result.branches >= branchLimit_) {
                result.gaveUp = true;
                return;
            }
            ++result.branches;
            stack.push_back({cell, domains[std::size_t(cell)], trail_.size()});
        }
        // Try the next digit of the innermost open branch, or step back out of it.
        if (stack.empty())
            return;
        Frame &f = stack.back();
        undoTo(f.mark, domains);
        if (f.untried == 0) {
            stack.pop_back();
            descend = false;
            continue;
        }
        const DigitSet digit = DigitSet(f.untried & -f.untried);
        f.untried &= DigitSet(~digit);
        trail_.push_back({f.cell, domains[std::size_t(f.cell)]});
        domains[std::size_t(f.cell)] = digit;
        propagator_.queueCell(f.cell);
        descend = propagator_.propagate(domains);
    }
}

int countSolutions(const Puzzle &puzzle, int limit)
{
    Solver solver(puzzle);
    return solver.solve(limit).solutions;
}

} // namespace kakuro
