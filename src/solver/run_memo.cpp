// The run memo: a direct-mapped table keyed by everything a run technique looks at.
#include "solver/run_memo.h"

namespace kakuro {

RunMemo::RunMemo(int bits) : table_(std::size_t(1) << bits), mask_((std::uint64_t(1) << bits) - 1) {}

RunMemo::Key RunMemo::keyOf(Technique t, int sum, int length, const DigitSet *sets)
{
    Key k{0, 0};
    for (int i = 0; i < length && i < 7; ++i)
        k.low |= std::uint64_t(sets[i]) << (9 * i);
    for (int i = 7; i < length; ++i)
        k.high |= std::uint64_t(sets[i]) << (9 * (i - 7));
    // Bit 63 is always set so that no key is 0.
    k.high |= (std::uint64_t(sum) << 18) | (std::uint64_t(t) << 26) | (std::uint64_t(length) << 30) |
              (std::uint64_t(1) << 63);
    return k;
}

RunMemo::Entry &RunMemo::slot(const Key &k)
{
    std::uint64_t h = k.low * 0x9E3779B97F4A7C15ull ^ k.high * 0xC2B2AE3D27D4EB4Full;
    h ^= h >> 29;
    return table_[std::size_t(h & mask_)];
}

bool RunMemo::recall(Technique t, const Puzzle &puzzle, int run, std::vector<DigitSet> &domains,
                     ChangeLog &changed, Outcome &outcome)
{
    const Run &r = puzzle.run(run);
    if (r.length > 9 || r.sum < 0 || r.sum > 255)
        return false;
    const std::span<const int> cells = puzzle.cells(run);
    DigitSet sets[9];
    for (int i = 0; i < r.length; ++i)
        sets[i] = domains[std::size_t(cells[i])];
    const Key k = keyOf(t, r.sum, r.length, sets);
    const Entry &e = slot(k);
    if (e.keyLow != k.low || e.keyHigh != k.high)
        return false;
    outcome = e.outcome;
    if (outcome == Outcome::Contradiction)
        return true;
    for (int i = 0; i < r.length; ++i) {
        if (e.after[i] != sets[i]) {
            changed.push_back({cells[i], sets[i]});
            domains[std::size_t(cells[i])] = e.after[i];
        }
    }
    return true;
}

void RunMemo::remember(Technique t, const Puzzle &puzzle, int run, const DigitSet *before,
                       const std::vector<DigitSet> &domains, Outcome outcome)
{
    const Run &r = puzzle.run(run);
    if (r.length > 9 || r.sum < 0 || r.sum > 255)
        return;
    const Key k = keyOf(t, r.sum, r.length, before);
    Entry &e = slot(k);
    e.keyLow = k.low;
    e.keyHigh = k.high;
    e.outcome = outcome;
    const std::span<const int> cells = puzzle.cells(run);
    for (int i = 0; i < r.length; ++i)
        e.after[i] = domains[std::size_t(cells[i])];
}

} // namespace kakuro
