// Full consistency of one run: every digit left in a cell belongs to some filling of the whole run
// with distinct digits that makes its sum.
#pragma once

#include "solver/techniques.h"

namespace kakuro {

Outcome runConsistency(const Puzzle &puzzle, int run, std::vector<DigitSet> &domains, ChangeLog &changed);

} // namespace kakuro
