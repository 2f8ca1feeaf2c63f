// Counts the solutions of a puzzle up to a limit: run propagation to a fixed point, then a branch
// on a cell with the fewest digits left, and so on. A count of exactly one proves uniqueness.
#pragma once

#include "solver/propagator.h"

#include <cstdint>
#include <vector>

namespace kakuro {

struct SolveResult {
    int solutions = 0;                // counted up to the limit
    std::vector<std::uint8_t> first;  // digits per entry cell of the first solution found
    std::vector<std::uint8_t> second; // and of the second, when there is one
    long long branches = 0;           // cells guessed on the way
    bool gaveUp = false;              // the branch limit was reached before the count was settled
};

// Guesses a count of solutions for a puzzle from an untrusted book may make before it gives up.
inline constexpr long long kSearchLimit = 20000;

class Solver {
public:
    // The puzzle must outlive the solver.
    explicit Solver(const Puzzle &puzzle);
    explicit Solver(Puzzle &&) = delete;

    // Stops a search after `branches` guesses (no limit unless set), for puzzles from untrusted
    // books, whose search could otherwise take exponential time.
    void setBranchLimit(long long branches) { branchLimit_ = branches; }

    // Counts solutions up to `limit` (at least 1) from no knowledge at all.
    SolveResult solve(int limit = 2);
    // Counts from given digit sets (one per entry cell); nothing is assumed about them.
    SolveResult solveFrom(const std::vector<DigitSet> &start, int limit = 2);

private:
    void search(std::vector<DigitSet> &domains, SolveResult &result, int limit);
    int branchCell(const std::vector<DigitSet> &domains) const;
    void undoTo(std::size_t mark, std::vector<DigitSet> &domains);

    const Puzzle &puzzle_;
    Propagator propagator_;
    ChangeLog trail_; // every narrowing since the search began, undone on the way back
    long long branchLimit_ = -1;
};

// Convenience: the number of solutions of `puzzle`, counted up to `limit`.
int countSolutions(const Puzzle &puzzle, int limit = 2);

} // namespace kakuro
