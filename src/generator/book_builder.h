// A whole book: how many puzzles, their sizes from small to large, the mix of difficulties, and
// the order in which a player meets them.
#pragma once

#include "generator/generator.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace kakuro {

struct BookPlan {
    int count = 1000;
    int firstWidth = 6, firstHeight = 6;           // size of the first puzzles
    int lastWidth = 30, lastHeight = 30;           // size of the last ones; sizes grow evenly in between
    std::array<int, 5> mix = {28, 27, 22, 11, 12}; // weights of easy, medium, hard, expert, master
    std::uint64_t seed = 1;
    int blockPercent = 34;
    std::vector<kakuro::BookPuzzle> avoid; // puzzles of an earlier book: none of them is made again
};

struct BookEntry {
    kakuro::BookPuzzle record;
    Grade grade;
};

// The size of puzzle `index` (0-based) of the plan, as {width, height}.
std::array<int, 2> plannedSize(const BookPlan &plan, int index);

// The difficulty asked of puzzle `index`: within a run of equal sizes the difficulties climb from
// easy to hard, and the later the size, the harder its share, while the whole book keeps the mix.
Difficulty plannedDifficulty(const BookPlan &plan, int index);

// Checks a plan; the empty string when it is usable, else what is wrong with it.
std::string planProblem(const BookPlan &plan);

// Generates the book: puzzles in the order of the plan's sizes, each run of equal sizes sorted
// from easiest to hardest, no puzzle twice. `progress(done, total)` is called after each puzzle.
// A book shorter than the plan means that no puzzle could be made for the next place.
// Precondition: planProblem(plan) is empty.
// `places`, when positive, makes only the first that many puzzles of the plan (as they would be
// in the whole book when `places` ends a run of equal sizes). `goOn(attempt)`, when given, is
// asked before each attempt at a place (0 for its first) and often during one; false stops,
// leaving the book short.
std::vector<BookEntry> buildBook(const BookPlan &plan, const std::function<void(int, int)> &progress = {},
                                 int places = 0, const std::function<bool(int)> &goOn = {});

} // namespace kakuro
