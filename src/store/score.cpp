// Ranking a finishing time and entering it among a puzzle's three best.
#include "store/score.h"

#include <algorithm>
#include <utility>

namespace store {
const store::PuzzleStats *statsOf(const store::Settings &settings, int puzzle, bool own)
{
    const std::vector<PuzzleStats> &table = own ? settings.ownPuzzleStats : settings.puzzleStats;
    if (puzzle < 1 || std::size_t(puzzle) >= table.size())
        return nullptr;
    return &table[std::size_t(puzzle)];
}

namespace {

// The table of `puzzle` to change.
store::PuzzleStats *changeableStatsOf(store::Settings &settings, int puzzle, bool own)
{
    return const_cast<store::PuzzleStats *>(statsOf(std::as_const(settings), puzzle, own));
}

} // namespace

int rankForTime(const store::Settings &settings, int puzzle, std::int32_t seconds, bool own)
{
    const store::PuzzleStats *stats = statsOf(settings, puzzle, own);
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
                std::int32_t hints, bool own)
{
    const int rank = rankForTime(settings, puzzle, seconds, own);
    if (rank > 3)
        return;
    store::PuzzleStats &stats = *changeableStatsOf(settings, puzzle, own);
    for (int m = 3; m > rank; --m) {
        stats.bestTimes[std::size_t(m)] = stats.bestTimes[std::size_t(m - 1)];
        stats.bestNames[std::size_t(m)] = stats.bestNames[std::size_t(m - 1)];
        stats.hintCounts[std::size_t(m)] = stats.hintCounts[std::size_t(m - 1)];
    }
    stats.bestTimes[std::size_t(rank)] = seconds;
    stats.bestNames[std::size_t(rank)] = name;
    stats.hintCounts[std::size_t(rank)] = std::max(hints, 0);
}

void clearTimes(store::Settings &settings, int puzzle, bool own)
{
    store::PuzzleStats *stats = changeableStatsOf(settings, puzzle, own);
    if (!stats)
        return;
    for (std::size_t k = 1; k <= 3; ++k) {
        stats->bestNames[k] = kHiddenName;
        stats->bestTimes[k] = kClearedTime;
        stats->hintCounts[k] = 0;
    }
}

} // namespace store
