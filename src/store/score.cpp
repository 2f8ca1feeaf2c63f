// Ranking a finishing time and entering it among a puzzle's three best.
#include "store/score.h"

#include <algorithm>

namespace store {
namespace {

const store::PuzzleStats *statsOf(const store::Settings &settings, int puzzle)
{
    if (puzzle < 1 || std::size_t(puzzle) >= settings.puzzleStats.size())
        return nullptr;
    return &settings.puzzleStats[std::size_t(puzzle)];
}

} // namespace

int rankForTime(const store::Settings &settings, int puzzle, std::int32_t seconds)
{
    const store::PuzzleStats *stats = statsOf(settings, puzzle);
    if (!stats)
        return 4;
    for (int k = 1; k <= 3; ++k) {
        const std::int32_t t = stats->bestTimes[std::size_t(k)];
        if (t == 0 || t > seconds)
            return k;
    }
    return 4;
}

void insertTime(store::Settings &settings, int puzzle, std::int32_t seconds, const QString &name,
                std::int32_t hints)
{
    const int rank = rankForTime(settings, puzzle, seconds);
    if (rank > 3)
        return;
    store::PuzzleStats &stats = settings.puzzleStats[std::size_t(puzzle)];
    for (int m = 3; m > rank; --m) {
        stats.bestTimes[std::size_t(m)] = stats.bestTimes[std::size_t(m - 1)];
        stats.bestNames[std::size_t(m)] = stats.bestNames[std::size_t(m - 1)];
        stats.hintCounts[std::size_t(m)] = stats.hintCounts[std::size_t(m - 1)];
    }
    stats.bestTimes[std::size_t(rank)] = seconds;
    stats.bestNames[std::size_t(rank)] = name;
    stats.hintCounts[std::size_t(rank)] = std::max(hints, 0);
}

} // namespace store
