// The filler: depth-first over the empty cells, most constrained first, digits in a random order
// tilted by the leans of the cell's runs.
#include "generator/digit_filler.h"

#include <algorithm>

namespace kakuro {
namespace {

constexpr long kBudget = 200000; // search steps per fill

} // namespace

DigitFiller::DigitFiller(const Puzzle &puzzle, std::vector<std::uint8_t> &digits)
    : p_(puzzle), digits_(digits), used_(puzzle.runs().size(), 0)
{
    for (int cell = 0; cell < p_.entryCellCount(); ++cell) {
        const int d = digits_[std::size_t(cell)];
        if (d == 0)
            continue;
        for (int run : p_.runsOf(cell)) {
            if (run == kNoRun)
                continue;
            if (used_[std::size_t(run)] & digitBit(d))
                consistent_ = false;
            used_[std::size_t(run)] |= digitBit(d);
        }
    }
}

void DigitFiller::clear(int cell)
{
    const int d = digits_[std::size_t(cell)];
    if (d != 0) {
        mark(cell, d, false);
        digits_[std::size_t(cell)] = 0;
    }
}

void DigitFiller::set(int cell, int digit)
{
    digits_[std::size_t(cell)] = std::uint8_t(digit);
    mark(cell, digit, true);
}

bool DigitFiller::fill(Random &random, std::vector<int> cells, const std::vector<int> &leans)
{
    nodes_ = 0;
    if (!consistent_)
        return false;
    return search(random, cells, 0, leans);
}

bool DigitFiller::search(Random &random, std::vector<int> &cells, std::size_t depth,
                         const std::vector<int> &leans)
{
    if (depth == cells.size())
        return true;
    if (++nodes_ > kBudget)
        return false;
    // The most constrained cell still empty goes next.
    std::size_t bestAt = depth;
    int bestCount = 10;
    for (std::size_t k = depth; k < cells.size(); ++k) {
        const int count = digitCount(options(cells[k]));
        if (count < bestCount) {
            bestCount = count;
            bestAt = k;
            if (count <= 1)
                break;
        }
    }
    if (bestCount == 0)
        return false;
    std::swap(cells[depth], cells[bestAt]);
    const int cell = cells[depth];
    int lean = 0;
    if (!leans.empty())
        for (int run : p_.runsOf(cell))
            if (run != kNoRun)
                lean += leans[std::size_t(run)];
    int order[9];
    const int n = drawOrder(random, options(cell), lean, order);
    for (int k = 0; k < n; ++k) {
        digits_[std::size_t(cell)] = std::uint8_t(order[k]);
        mark(cell, order[k], true);
        if (search(random, cells, depth + 1, leans))
            return true;
        mark(cell, order[k], false);
        digits_[std::size_t(cell)] = 0;
        if (nodes_ > kBudget)
            return false;
    }
    return false;
}

DigitSet DigitFiller::options(int cell) const
{
    DigitSet taken = 0;
    for (int run : p_.runsOf(cell))
        if (run != kNoRun)
            taken |= used_[std::size_t(run)];
    return DigitSet(kAllDigits & ~taken);
}

void DigitFiller::mark(int cell, int digit, bool on)
{
    for (int run : p_.runsOf(cell)) {
        if (run == kNoRun)
            continue;
        if (on)
            used_[std::size_t(run)] |= digitBit(digit);
        else
            used_[std::size_t(run)] &= DigitSet(~digitBit(digit));
    }
}

int DigitFiller::drawOrder(Random &random, DigitSet set, int lean, int *order) const
{
    int n = 0;
    int weight[9];
    forEachDigit(set, [&](int d) {
        order[n] = d;
        weight[n] = std::max(1, 100 + lean * (2 * d - 10) * 6);
        ++n;
    });
    // Weighted draw without replacement.
    for (int k = 0; k < n; ++k) {
        int total = 0;
        for (int j = k; j < n; ++j)
            total += weight[j];
        int pick = int(random.below(std::uint32_t(total)));
        int j = k;
        while (pick >= weight[j]) {
            pick -= weight[j];
            ++j;
        }
        std::swap(weight[k], weight[j]);
        std::swap(order[k], order[j]);
    }
    return n;
}

bool fillDigits(Random &random, const Puzzle &puzzle, std::vector<std::uint8_t> &digits,
                const std::vector<int> &leans)
{
    DigitFiller filler(puzzle, digits);
    std::vector<int> empty;
    for (int cell = 0; cell < puzzle.entryCellCount(); ++cell)
        if (digits[std::size_t(cell)] == 0)
            empty.push_back(cell);
    return filler.fill(random, empty, leans);
}

} // namespace kakuro
