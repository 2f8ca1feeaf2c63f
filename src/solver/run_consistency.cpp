// Run consistency by dynamic programming over the sets of digits used so far: a forward pass
// finds the sets reachable after each open cell, a backward pass keeps those that reach the sum,
// and a digit survives in a cell when it links two kept sets.
#include "solver/run_consistency.h"

#include "core/combination_table.h"
#include "solver/run_state.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace kakuro {
namespace {

// A set of digit sets: one bit for each of the 512 subsets of 1-9.
struct SetOfSets {
    std::uint64_t words[8] = {};
    void add(unsigned set) { words[set >> 6] |= std::uint64_t(1) << (set & 63); }
    bool has(unsigned set) const { return (words[set >> 6] >> (set & 63)) & 1; }
    template <typename F> void forEach(F f) const
    {
        for (unsigned w = 0; w < 8; ++w)
            for (std::uint64_t bits = words[w]; bits; bits &= bits - 1)
                f((w << 6) | unsigned(std::countr_zero(bits)));
    }
};

// Per digit set: its sum, and the least and greatest sums of j of its digits (j = 0..9; 255 and
// 0 when it has fewer than j digits).
struct SetSums {
    std::array<std::uint8_t, 512> sum{};
    std::array<std::array<std::uint8_t, 10>, 512> least{};
    std::array<std::array<std::uint8_t, 10>, 512> most{};

    SetSums()
    {
        for (unsigned set = 0; set < 512; ++set) {
            sum[set] = std::uint8_t(digitSum(DigitSet(set)));
            int low = 0, high = 0, taken = 0;
            least[set].fill(255);
            most[set].fill(0);
            least[set][0] = most[set][0] = 0;
            for (int d = 1; d <= 9; ++d) {
                if (set & digitBit(d)) {
                    low += d;
                    least[set][std::size_t(++taken)] = std::uint8_t(low);
                }
            }
            taken = 0;
            for (int d = 9; d >= 1; --d) {
                if (set & digitBit(d)) {
                    high += d;
                    most[set][std::size_t(++taken)] = std::uint8_t(high);
                }
            }
        }
    }
};

const SetSums kSetSums;

// Two or three open cells: try the pairs (and the third digit they leave) directly.
Outcome smallRun(const RunState &s, const DigitSet *cellSet, std::vector<DigitSet> &domains,
                 ChangeLog &changed)
{
    DigitSet support[3] = {};
    const int target = s.remaining;
    if (s.openCount == 1) {
        if (target >= 1 && target <= 9)
            support[0] = DigitSet(cellSet[0] & digitBit(target));
    } else {
        forEachDigit(cellSet[0], [&](int a) {
            forEachDigit(DigitSet(cellSet[1] & ~digitBit(a)), [&](int b) {
                if (s.openCount == 2) {
                    if (a + b == target) {
                        support[0] |= digitBit(a);
                        support[1] |= digitBit(b);
                    }
                    return;
                }
                const int c = target - a - b;
                if (c >= 1 && c <= 9 && c != a && c != b && (cellSet[2] & digitBit(c))) {
                    support[0] |= digitBit(a);
                    support[1] |= digitBit(b);
                    support[2] |= digitBit(c);
                }
            });
        });
    }
    bool any = false;
    for (int k = 0; k < s.openCount; ++k)
        if (!narrow(s.open[k], support[k], domains, changed, any))
            return Outcome::Contradiction;
    return any ? Outcome::Changed : Outcome::Unchanged;
}

} // namespace

Outcome runConsistency(const Puzzle &puzzle, int run, std::vector<DigitSet> &domains, ChangeLog &changed)
{
    RunState s = gatherRun(puzzle, run, domains);
    if (s.broken)
        return Outcome::Contradiction;
    const int n = s.openCount;
    if (n == 0)
        return Outcome::Unchanged;

    DigitSet cellSet[9] = {};
    bool allAlike = true;
    for (int k = 0; k < n; ++k) {
        cellSet[k] = DigitSet(domains[std::size_t(s.open[k])] & ~s.placed);
        allAlike = allAlike && cellSet[k] == cellSet[0];
    }
    // Cells with fewer digits first keep the reachable sets few.
    for (int k = 1; k < n; ++k) {
        for (int j = k; j > 0 && digitCount(cellSet[j]) < digitCount(cellSet[j - 1]); --j) {
            std::swap(cellSet[j], cellSet[j - 1]);
            std::swap(s.open[j], s.open[j - 1]);
        }
    }
    bool any = false;
    // When every open cell has the same digits, any fitting combination can be arranged in any order,
    // so the combination table says all there is.
    if (allAlike) {
        const DigitSet keep = combinationsOf(n, s.remaining, cellSet[0]).possible;
        for (int k = 0; k < n; ++k)
            if (!narrow(s.open[k], keep, domains, changed, any))
                return Outcome::Contradiction;
        return any ? Outcome::Changed : Outcome::Unchanged;
    }

    if (n <= 3)
        return smallRun(s, cellSet, domains, changed);

    const SetSums &sums = kSetSums;
    const int target = s.remaining;
    // later[k]: the digits the cells after cell k can still take.
    DigitSet later[10];
    later[n] = 0;
    for (int k = n - 1; k >= 0; --k)
        later[k] = DigitSet(later[k + 1] | cellSet[k]);
    SetOfSets reach[10];
    reach[0].add(0);
    for (int k = 0; k < n; ++k) {
        const std::size_t rest = std::size_t(n - k - 1);
        reach[k].forEach([&](unsigned used) {
            const int room = target - sums.sum[used];
            forEachDigit(DigitSet(cellSet[k] & ~used), [&](int d) {
                // The cells after this one must be able to make up what is left.
                const unsigned next = used | digitBit(d);
                const unsigned free = later[k + 1] & ~next;
                const int left = room - d;
                if (left >= sums.least[free][rest] && left <= sums.most[free][rest])
                    reach[k + 1].add(next);
            });
        });
    }
    // Backward: `good` holds the sets after cell k from which the sum can still be completed.
    SetOfSets good = reach[n];
    DigitSet support[9] = {};
    for (int k = n - 1; k >= 0; --k) {
        SetOfSets before;
        reach[k].forEach([&](unsigned used) {
            DigitSet fits = 0;
            forEachDigit(DigitSet(cellSet[k] & ~used), [&](int d) {
                if (good.has(used | digitBit(d)))
                    fits |= digitBit(d);
            });
            if (fits) {
                support[k] |= fits;
                before.add(used);
            }
        });
        good = before;
    }
    for (int k = 0; k < n; ++k)
        if (!narrow(s.open[k], support[k], domains, changed, any))
            return Outcome::Contradiction;
    return any ? Outcome::Changed : Outcome::Unchanged;
}

} // namespace kakuro
