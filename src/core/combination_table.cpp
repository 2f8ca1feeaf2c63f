// The combination table, built once: 130 feasible (length, sum) pairs times 512 digit sets.
#include "core/combination_table.h"

#include <array>
#include <vector>

namespace kakuro {
namespace {

class Table {
public:
    Table()
    {
        index_.fill(-1);
        int pairs = 0;
        for (unsigned set = 0; set < 512; ++set) {
            const int at = key(digitCount(DigitSet(set)), digitSum(DigitSet(set)));
            if (index_[at] < 0)
                index_[at] = pairs++;
            ++counts_[at];
        }
        entries_.assign(std::size_t(pairs) * 512, Combinations{kNone, kAllDigits});
        for (unsigned combo = 0; combo < 512; ++combo) {
            const int row = index_[key(digitCount(DigitSet(combo)), digitSum(DigitSet(combo)))];
            // Every superset of the combination admits it.
            for (unsigned superset = combo; superset < 512; superset = (superset + 1) | combo) {
                Combinations &e = entries_[std::size_t(row) * 512 + superset];
                e.possible = DigitSet((e.possible & ~kNone) | combo);
                e.required &= DigitSet(combo);
            }
        }
        for (Combinations &e : entries_) {
            if (e.possible == kNone)
                e = Combinations{};
        }
    }

    Combinations lookup(int length, int sum, DigitSet allowed) const
    {
        if (length < 0 || length > 9 || sum < 0 || sum > 45)
            return {};
        const int row = index_[key(length, sum)];
        if (row < 0)
            return {};
        return entries_[std::size_t(row) * 512 + (allowed & kAllDigits)];
    }

    int count(int length, int sum) const
    {
        if (length < 0 || length > 9 || sum < 0 || sum > 45)
            return 0;
        return counts_[key(length, sum)];
    }

private:
    static constexpr DigitSet kNone = 0x8000; // marks "no combination seen yet" while building
    static int key(int length, int sum) { return length * 46 + sum; }

    std::array<int, 10 * 46> index_{};
    std::array<int, 10 * 46> counts_{};
    std::vector<Combinations> entries_;
};

// Built before main; nothing else that is built before main looks at it.
const Table kTable;

const Table &table()
{
    return kTable;
}

} // namespace

Combinations combinationsOf(int length, int sum, DigitSet allowed)
{
    return table().lookup(length, sum, allowed);
}

int combinationCount(int length, int sum)
{
    return table().count(length, sum);
}

DigitSet digitsRunAllows(int length, int sum, DigitSet written)
{
    // A combination holding every written digit is those digits and a combination of the rest.
    return combinationsOf(length - digitCount(written), sum - digitSum(written),
                          DigitSet(~written & kAllDigits))
        .possible;
}

} // namespace kakuro
