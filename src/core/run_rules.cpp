// Run rules from the clues and the written digits.
#include "core/run_rules.h"

#include "core/combination_table.h"

#include <algorithm>

namespace kakuro {
namespace {

DigitSet allowedBy(const Puzzle &puzzle, std::span<const std::uint8_t> digits, const Run &run)
{
    return digitsRunAllows(run.length, run.sum, writtenDigits(puzzle, digits, run));
}

} // namespace

std::vector<DigitSet> combinationsAddingUpTo(int length, int sum)
{
    std::vector<DigitSet> combinations;
    for (unsigned set = 1; set <= kAllDigits; ++set) {
        if (digitCount(set) == length && digitSum(DigitSet(set)) == sum)
            combinations.push_back(DigitSet(set));
    }
    // Of two sets, the one holding the lowest digit they do not share comes first.
    std::sort(combinations.begin(), combinations.end(), [](DigitSet a, DigitSet b) {
        return a != b && (a & digitBit(lowestDigit(DigitSet(a ^ b)))) != 0;
    });
    return combinations;
}

DigitSet writtenDigits(const Puzzle &puzzle, std::span<const std::uint8_t> digits, const Run &run)
{
    DigitSet written = 0;
    for (int cell : puzzle.cells(run)) {
        if (const int digit = digits[std::size_t(cell)])
            written |= digitBit(digit);
    }
    return written;
}

DigitSet candidatesOf(const Puzzle &puzzle, std::span<const std::uint8_t> digits, int cell)
{
    DigitSet candidates = kAllDigits;
    for (int run : puzzle.runsOf(cell)) {
        if (run != kNoRun)
            candidates &= allowedBy(puzzle, digits, puzzle.run(run));
    }
    return candidates;
}

std::vector<DigitSet> candidatesOfAll(const Puzzle &puzzle, std::span<const std::uint8_t> digits)
{
    std::vector<DigitSet> candidates(std::size_t(puzzle.entryCellCount()), kAllDigits);
    for (const Run &run : puzzle.runs()) {
        const DigitSet allowed = allowedBy(puzzle, digits, run);
        for (int cell : puzzle.cells(run))
            candidates[std::size_t(cell)] &= allowed;
    }
    return candidates;
}

std::vector<std::uint8_t> conflictingCells(const Puzzle &puzzle, std::span<const std::uint8_t> digits)
{
    std::vector<std::uint8_t> conflicts(std::size_t(puzzle.entryCellCount()), 0);
    for (const Run &run : puzzle.runs()) {
        int seen[10] = {};
        int sum = 0;
        int filled = 0;
        for (int cell : puzzle.cells(run)) {
            const int digit = digits[std::size_t(cell)];
            ++seen[digit];
            sum += digit;
            filled += digit != 0;
        }
        const bool wrongSum = filled == run.length && sum != run.sum;
        for (int cell : puzzle.cells(run)) {
            const int digit = digits[std::size_t(cell)];
            if (digit != 0 && (wrongSum || seen[digit] > 1))
                conflicts[std::size_t(cell)] = 1;
        }
    }
    return conflicts;
}

} // namespace kakuro
