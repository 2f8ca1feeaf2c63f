// Turning a random filling into a puzzle that logic solves: cheap tightening of the sums first,
// then repairs of the area that logic leaves undecided.
#pragma once

#include "core/puzzle.h"
#include "solver/random.h"
#include "solver/techniques.h"

#include <cstdint>
#include <vector>

namespace kakuro {

// Gives single cells other digits where that leaves their two runs with no more combinations than
// before, `rounds` tries per cell. Keeps the sums of `puzzle` in step with `digits`.
void tighten(Random &random, Puzzle &puzzle, std::vector<std::uint8_t> &digits, int rounds);

// Redraws digits around undecided cells until logic up to `ceiling` decides every cell; `leans`
// (one per run, see DigitFiller) steer the redraws and are updated with them. Keeps the sums of
// `puzzle` in step with `digits`. False when the step budget ran out first; `steps` counts the
// steps taken.
bool repairUntilSolved(Random &random, Puzzle &puzzle, std::vector<std::uint8_t> &digits,
                       std::vector<int> &leans, Technique ceiling, int &steps);

// Walks from a puzzle that logic solves to a harder one: redraws the digits of one run at a time,
// keeps a redraw when logic up to `target` still solves the puzzle, and stops when `target` itself
// is needed. Keeps the sums of `puzzle` in step with `digits`. False when `moves` redraws did
// not get there.
bool hardenUntil(Random &random, Puzzle &puzzle, std::vector<std::uint8_t> &digits,
                 const std::vector<int> &leans, Technique target, int moves);

// The leans a filling starts from: each run drawn from -strength..strength.
std::vector<int> drawLeans(Random &random, const Puzzle &puzzle);

} // namespace kakuro
