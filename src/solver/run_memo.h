// Remembers what an expensive technique did to a run in a given state, so that the generator,
// which re-solves nearly the same puzzle again and again, does not redo the work.
#pragma once

#include "solver/techniques.h"

#include <cstdint>
#include <vector>

namespace kakuro {

// A fixed-size table indexed by a hash of (technique, sum, the run's digit sets in cell order);
// a new entry simply replaces an old one. Lookups never change results, only their cost.
class RunMemo {
public:
    explicit RunMemo(int bits = 15);

    // Looks the run up; on a hit writes the remembered sets into `domains`, appends the cells it
    // narrows to `changed` and returns true with `outcome` set.
    bool recall(Technique t, const Puzzle &puzzle, int run, std::vector<DigitSet> &domains,
                ChangeLog &changed, Outcome &outcome);
    // Stores the outcome for the state the run was in before (`before`, in cell order).
    void remember(Technique t, const Puzzle &puzzle, int run, const DigitSet *before,
                  const std::vector<DigitSet> &domains, Outcome outcome);

private:
    struct Entry {
        std::uint64_t keyLow = 0, keyHigh = 0; // keyHigh 0 marks an empty entry
        DigitSet after[9] = {};
        Outcome outcome = Outcome::Unchanged;
    };
    struct Key {
        std::uint64_t low, high;
    };
    static Key keyOf(Technique t, int sum, int length, const DigitSet *sets);
    Entry &slot(const Key &k);

    std::vector<Entry> table_;
    std::uint64_t mask_;
};

} // namespace kakuro
