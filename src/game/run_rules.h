// What the clues and the written digits say, without the solution: the combinations a run can
// take, the digits a cell can still take, and the digits that break a run's rules.
#pragma once

#include "puzzle/entries.h"
#include "puzzle/puzzle.h"
#include "solver/digit_set.h"

#include <QStringList>

#include <cstdint>
#include <vector>

namespace game {

enum class RunDirection { Across, Down };

// The cell indices of `run`, first to last.
std::vector<int> cellsOf(const puzzle::Puzzle &puzzle, const puzzle::Run &run, RunDirection direction);

// The pen and pencil digits written in `cells`, as a set.
kakuro::DigitSet writtenDigits(const puzzle::Entries &entries, const std::vector<int> &cells);

// Every set of `length` distinct digits adding up to `sum`, in dictionary order (1 + 4 before 2 + 3).
std::vector<kakuro::DigitSet> combinationsAddingUpTo(int length, int sum);

// The digits of `set` as texts, smallest first.
QStringList digitsOf(kakuro::DigitSet set);

// The digits entry cell i can still take: what its runs allow, both of them when it has two.
kakuro::DigitSet candidatesOf(const puzzle::Puzzle &puzzle, const puzzle::Entries &entries, int i);

// The candidates of every entry cell, by cell index (0 for other cells); one pass over the runs.
std::vector<kakuro::DigitSet> candidatesOfAll(const puzzle::Puzzle &puzzle, const puzzle::Entries &entries);

// By cell index, 1 for a cell whose digit breaks a rule: the same digit twice in one run, or a full
// run whose digits do not add up to its clue.
std::vector<std::uint8_t> conflictingCells(const puzzle::Puzzle &puzzle, const puzzle::Entries &entries);

} // namespace game
