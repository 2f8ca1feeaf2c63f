// Random solution grids: digits for a layout's entry cells, distinct in every run.
#pragma once

#include "core/digit_set.h"
#include "core/puzzle.h"
#include "solver/random.h"

#include <cstdint>
#include <vector>

namespace kakuro {

// Keeps a filling and the digits each run already holds, and fills empty cells at random.
// `leans`, when given, holds one tilt per run in about -4..4: positive draws that run's digits
// toward high ones, negative toward low ones.
class DigitFiller {
public:
    // `digits` (one per entry cell, 0 = empty) must outlive the filler.
    DigitFiller(const Puzzle &puzzle, std::vector<std::uint8_t> &digits);

    // False when some run already holds a digit twice.
    bool consistent() const { return consistent_; }

    void clear(int cell);
    // Puts `digit` into an empty cell.
    void set(int cell, int digit);
    // Fills the listed empty cells; false (and the cells empty again) when no filling was found
    // within the search budget.
    bool fill(Random &random, std::vector<int> cells, const std::vector<int> &leans);

    // The digits the runs of `cell` do not hold yet.
    DigitSet options(int cell) const;

private:
    bool search(Random &random, std::vector<int> &cells, std::size_t depth, const std::vector<int> &leans);
    void mark(int cell, int digit, bool on);
    int drawOrder(Random &random, DigitSet set, int lean, int *order) const;

    const Puzzle &p_;
    std::vector<std::uint8_t> &digits_;
    std::vector<DigitSet> used_; // per run
    bool consistent_ = true;
    long nodes_ = 0;
};

// Fills every cell whose digit is 0, keeping the others; false (digits unchanged) on failure.
bool fillDigits(Random &random, const Puzzle &puzzle, std::vector<std::uint8_t> &digits,
                const std::vector<int> &leans = {});

} // namespace kakuro
