// The deductions a solver or a person makes inside one run, easiest first. Each narrows the digit
// sets of the run's cells and says whether it changed anything or found the run impossible.
#pragma once

#include "core/digit_set.h"
#include "core/puzzle.h"

#include <string_view>
#include <vector>

namespace kakuro {

enum class Technique : std::uint8_t {
    Combinations,    // digits of no combination that makes the sum, and digits already placed, go
    HiddenSingle,    // a digit that every combination needs and only one cell can take goes there
    Remainder,       // a digit that leaves the other cells no way to make up the rest of the sum goes
    Pairs,           // two cells holding the same two digits, or two needed digits held by two cells
    TriplesAndQuads, // the same with three or four cells
    RunConsistency,  // a digit that belongs to no complete filling of the run goes
    CrossingRuns,    // two across and two down runs meeting at four cells are filled together
    RegionSums,      // the clues of a block of runs against the clues of the runs crossing it
    Contradiction,   // a digit of a cell with two or three left goes if assuming it breaks the board
};

inline constexpr int kLadderSize = 9; // every technique, Combinations .. Contradiction

std::string_view techniqueName(Technique t);

// True when applying the technique twice in a row to a run never changes more than once.
bool isIdempotent(Technique t);

// How a ladder applies hidden singles: as a rung of their own after Combinations, or in the same
// pass over the run as Combinations. The second reaches the same fixed point faster but does not
// tell the two apart; the solver and the generator use it, the grader and the hints do not.
enum class HiddenSingles { OwnRung, WithCombinations };

enum class Outcome { Unchanged, Changed, Contradiction };

// A cell whose set a technique narrowed, and the set it had before.
struct Change {
    int cell;
    DigitSet before;
};
using ChangeLog = std::vector<Change>;

// A cell a deduction narrowed: its digits before and after.
struct CellStep {
    int cell;
    DigitSet before;
    DigitSet after;
};

// One deduction of the ladder, as a hint would tell it: the rung, the runs it looked at, the cells
// it narrowed and its evidence: for a contradiction, the digit it assumed and where; for a run rung
// looking at one deduction, the digits and cells that made it.
struct LogicStep {
    Technique technique = Technique::Combinations;
    std::vector<int> runs;
    std::vector<CellStep> cells;
    int assumedCell = -1;
    int assumedDigit = 0;
    // Combinations: the digits the run allows its open cells. HiddenSingle: the digit placed.
    // Remainder: the digits the run's other open cells can hold. Pairs and TriplesAndQuads: the subset's
    // digits, held by the cells of `group`; `hidden` when they are digits the run needs that only
    // those cells can take.
    DigitSet digits = 0;
    std::vector<int> group;
    bool hidden = false;
};

// The cells of `log` with their first set before and their set now in `domains`.
std::vector<CellStep> cellStepsOf(const ChangeLog &log, const std::vector<DigitSet> &domains);

// Applies a run technique `t` (Combinations .. RunConsistency) to run `run`. Every
// narrowing is appended to `changed`, also on a contradiction. With `first`, the technique stops
// after its first deduction and records that deduction's evidence there (not its cells).
Outcome applyTechnique(Technique t, const Puzzle &puzzle, int run, std::vector<DigitSet> &domains,
                       ChangeLog &changed, LogicStep *first = nullptr);

// Combinations and hidden singles applied together to run `run` until it settles; idempotent.
Outcome applyCombinationsWithHiddenSingles(const Puzzle &puzzle, int run, std::vector<DigitSet> &domains,
                                           ChangeLog &changed);

} // namespace kakuro
