// What the clues and the written digits say, without the solution: the combinations a run can
// take, the digits a cell can still take, and the digits that break a run's rules. `digits` holds
// the digit written in each entry cell, 0 for none.
#pragma once

#include "core/digit_set.h"
#include "core/puzzle.h"

#include <cstdint>
#include <span>
#include <vector>

namespace kakuro {

// Every set of `length` distinct digits adding up to `sum`, in dictionary order (1 + 4 before 2 + 3).
std::vector<DigitSet> combinationsAddingUpTo(int length, int sum);

// The digits written in the cells of a run, as a set.
DigitSet writtenDigits(const Puzzle &puzzle, std::span<const std::uint8_t> digits, const Run &run);

// The digits an entry cell can still take: what its runs allow, both of them when it has two.
DigitSet candidatesOf(const Puzzle &puzzle, std::span<const std::uint8_t> digits, int cell);

// The candidates of every entry cell; one pass over the runs.
std::vector<DigitSet> candidatesOfAll(const Puzzle &puzzle, std::span<const std::uint8_t> digits);

// By entry cell, 1 for a cell whose digit breaks a rule: the same digit twice in one run, or a full
// run whose digits do not add up to its clue.
std::vector<std::uint8_t> conflictingCells(const Puzzle &puzzle, std::span<const std::uint8_t> digits);

} // namespace kakuro
