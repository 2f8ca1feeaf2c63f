// Per (length, sum, digits still possible): which digits some combination can use, and which digits
// every combination must use. A run's whole arithmetic in two lookups.
#pragma once

#include "core/digit_set.h"

namespace kakuro {

struct Combinations {
    DigitSet possible = 0; // union of the fitting combinations; 0 when none fits
    DigitSet required = 0; // intersection of the fitting combinations; 0 when none fits
};

// The combinations of `length` distinct digits adding up to `sum`, all drawn from `allowed`.
// Any length and sum are accepted; impossible ones (length above 9, sum out of reach) give none.
Combinations combinationsOf(int length, int sum, DigitSet allowed);

// The digits a run of `length` cells with the clue `sum` still allows its empty cells when the
// distinct digits `written` stand in it: the union of its combinations that hold every written
// digit, less those digits. Nothing when no combination holds them all.
DigitSet digitsRunAllows(int length, int sum, DigitSet written);

// The number of distinct-digit combinations of `length` digits adding up to `sum` (any digits).
int combinationCount(int length, int sum);

} // namespace kakuro
