// The deductions a solver or a person makes inside one run, easiest first. Each narrows the digit
// sets of the run's cells and says whether it changed anything or found the run impossible.
#pragma once

#include "solver/digit_set.h"
#include "solver/kakuro_puzzle.h"

#include <string_view>
#include <vector>

namespace kakuro {

enum class Technique : std::uint8_t {
    Combinations,   // digits of no combination that makes the sum, and digits already placed, go
    HiddenSingle,   // a digit that every combination needs and only one cell can take goes there
    Remainder,      // a digit that leaves the other cells no way to make up the rest of the sum goes
    Pairs,          // two cells holding the same two digits, or two needed digits held by two cells
    Subsets,        // the same with three or four cells
    RunConsistency, // a digit that belongs to no complete filling of the run goes
    Quick,          // Combinations and HiddenSingle in one step, for the solver's speed
};

inline constexpr int kLadderSize = 6; // Combinations .. RunConsistency

std::string_view techniqueName(Technique t);

// True when applying the technique twice in a row to a run never changes more than once.
bool isIdempotent(Technique t);

enum class Outcome { Unchanged, Changed, Contradiction };

// A cell whose set a technique narrowed, and the set it had before.
struct Change {
    int cell;
    DigitSet before;
};
using ChangeLog = std::vector<Change>;

// Applies `t` to run `run`. Every narrowing is appended to `changed`, also on a contradiction.
Outcome applyTechnique(Technique t, const Puzzle &puzzle, int run, std::vector<DigitSet> &domains,
                       ChangeLog &changed);

} // namespace kakuro
