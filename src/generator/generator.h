// Puzzle generation: a symmetric layout, a random filling, then repairs of the region that logic
// cannot decide until the grader solves the puzzle without a guess at the wanted difficulty.
#pragma once

#include "core/book_format.h"
#include "solver/grader.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace kakuro {

struct PuzzleRequest {
    int width = 10;
    int height = 10;
    Difficulty difficulty = Difficulty::Easy; // Easy .. Master
    // For Master: the board rung that is to be the hardest step (CrossingRuns .. Contradiction).
    Technique masterRung = Technique::Contradiction;
    bool exact = true;     // demand exactly this difficulty, not merely at most this one
    int blockPercent = 34; // share of blocks in the inner area (about); fewer blocks make longer runs
    // Asked before each layout and each filling, when given: true gives up at once.
    std::function<bool()> stopRequested;
};

struct GeneratedPuzzle {
    kakuro::BookPuzzle record;
    Grade grade;
    int layouts = 0; // layouts drawn
    int repairs = 0; // repair steps taken in all
};

// One puzzle for `request`, or nothing if none came within the effort budget. The same seed gives
// the same puzzle on every platform.
std::optional<GeneratedPuzzle> generatePuzzle(std::uint64_t seed, const PuzzleRequest &request);

// The hardest technique a grader may use for a request.
Technique ceilingOf(const PuzzleRequest &request);

} // namespace kakuro
