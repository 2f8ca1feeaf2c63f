// Random puzzle layouts: symmetric under a half turn of the whole grid, every entry cell lies in an
// across and a down run of 2 to `maxRun` cells, and the entry cells form one connected area. Runs
// may start at the grid's edge: the game draws their clues outside the record.
#pragma once

#include "solver/random.h"

#include <optional>
#include <vector>

namespace kakuro {

struct LayoutOptions {
    int width = 10;
    int height = 10;
    int blockPercent = 30; // share of the grid to turn into blocks before long runs are cut
    int maxRun = 9;        // longest run allowed, 2..9
};

// One layout (true = entry cell, row-major), or nothing when the draws led nowhere; the caller
// simply tries again with the same generator, which has moved on.
std::optional<std::vector<bool>> makeLayout(Random &random, const LayoutOptions &options);

// True when the layout obeys the rules above; the tests and the book checks use it.
bool isGoodLayout(int width, int height, const std::vector<bool> &entry, int maxRun = 9);

} // namespace kakuro
