// Run rules from the clues and the written digits.
#include "game/run_rules.h"

#include "solver/combination_table.h"

#include <algorithm>

namespace game {
namespace {

kakuro::DigitSet allowedBy(const puzzle::Run &run, kakuro::DigitSet written)
{
    return kakuro::digitsRunAllows(run.length, run.sum, written);
}

// What each run of one direction allows, by run index.
std::vector<kakuro::DigitSet> allowedByRuns(const puzzle::Puzzle &puzzle, const puzzle::Entries &entries,
                                            RunDirection direction)
{
    const std::vector<puzzle::Run> &runs =
        direction == RunDirection::Across ? puzzle.acrossRuns() : puzzle.downRuns();
    std::vector<kakuro::DigitSet> allowed;
    allowed.reserve(runs.size());
    for (const puzzle::Run &run : runs)
        allowed.push_back(allowedBy(run, writtenDigits(entries, cellsOf(puzzle, run, direction))));
    return allowed;
}

} // namespace

std::vector<int> cellsOf(const puzzle::Puzzle &puzzle, const puzzle::Run &run, RunDirection direction)
{
    std::vector<int> cells;
    cells.reserve(std::size_t(run.length));
    for (int k = 1; k <= run.length; ++k) {
        cells.push_back(direction == RunDirection::Across ? puzzle.cellIndex(run.clueCol + k, run.clueRow)
                                                          : puzzle.cellIndex(run.clueCol, run.clueRow + k));
    }
    return cells;
}

kakuro::DigitSet writtenDigits(const puzzle::Entries &entries, const std::vector<int> &cells)
{
    kakuro::DigitSet written = 0;
    for (int i : cells) {
        if (const int digit = entries.digit(i))
            written |= kakuro::digitBit(digit);
    }
    return written;
}

std::vector<kakuro::DigitSet> combinationsAddingUpTo(int length, int sum)
{
    std::vector<kakuro::DigitSet> combinations;
    for (unsigned set = 1; set <= kakuro::kAllDigits; ++set) {
        if (kakuro::digitCount(set) == length && kakuro::digitSum(kakuro::DigitSet(set)) == sum)
            combinations.push_back(kakuro::DigitSet(set));
    }
    // Of two sets, the one holding the lowest digit they do not share comes first.
    std::sort(combinations.begin(), combinations.end(), [](kakuro::DigitSet a, kakuro::DigitSet b) {
        return a != b && (a & kakuro::digitBit(kakuro::lowestDigit(kakuro::DigitSet(a ^ b)))) != 0;
    });
    return combinations;
}

QStringList digitsOf(kakuro::DigitSet set)
{
    QStringList digits;
    kakuro::forEachDigit(set, [&](int d) { digits << QString::number(d); });
    return digits;
}

kakuro::DigitSet candidatesOf(const puzzle::Puzzle &puzzle, const puzzle::Entries &entries, int i)
{
    kakuro::DigitSet candidates = kakuro::kAllDigits;
    if (const int a = puzzle.acrossRunOf(i); a >= 0) {
        const puzzle::Run &run = puzzle.acrossRuns()[std::size_t(a)];
        candidates &= allowedBy(run, writtenDigits(entries, cellsOf(puzzle, run, RunDirection::Across)));
    }
    if (const int d = puzzle.downRunOf(i); d >= 0) {
        const puzzle::Run &run = puzzle.downRuns()[std::size_t(d)];
        candidates &= allowedBy(run, writtenDigits(entries, cellsOf(puzzle, run, RunDirection::Down)));
    }
    return candidates;
}

std::vector<kakuro::DigitSet> candidatesOfAll(const puzzle::Puzzle &puzzle, const puzzle::Entries &entries)
{
    const std::vector<kakuro::DigitSet> across = allowedByRuns(puzzle, entries, RunDirection::Across);
    const std::vector<kakuro::DigitSet> down = allowedByRuns(puzzle, entries, RunDirection::Down);
    std::vector<kakuro::DigitSet> candidates(std::size_t(puzzle.cellCount()) + 1, 0);
    for (int i = 1; i <= puzzle.cellCount(); ++i) {
        if (puzzle.solution(i) == 0)
            continue;
        kakuro::DigitSet set = kakuro::kAllDigits;
        if (const int a = puzzle.acrossRunOf(i); a >= 0)
            set &= across[std::size_t(a)];
        if (const int d = puzzle.downRunOf(i); d >= 0)
            set &= down[std::size_t(d)];
        candidates[std::size_t(i)] = set;
    }
    return candidates;
}

std::vector<std::uint8_t> conflictingCells(const puzzle::Puzzle &puzzle, const puzzle::Entries &entries)
{
    std::vector<std::uint8_t> conflicts(std::size_t(puzzle.cellCount()) + 1, 0);
    const auto check = [&](const std::vector<puzzle::Run> &runs, RunDirection direction) {
        for (const puzzle::Run &run : runs) {
            const std::vector<int> cells = cellsOf(puzzle, run, direction);
            int seen[10] = {};
            int sum = 0;
            int filled = 0;
            for (int i : cells) {
                const int digit = entries.digit(i);
                ++seen[digit];
                sum += digit;
                filled += digit != 0;
            }
            const bool wrongSum = filled == run.length && sum != run.sum;
            for (int i : cells) {
                const int digit = entries.digit(i);
                if (digit != 0 && (wrongSum || seen[digit] > 1))
                    conflicts[std::size_t(i)] = 1;
            }
        }
    };
    check(puzzle.acrossRuns(), RunDirection::Across);
    check(puzzle.downRuns(), RunDirection::Down);
    return conflicts;
}

} // namespace game
