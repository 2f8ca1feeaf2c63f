// A fully specified random engine (splitmix64 seeding, xoshiro256**) with our own range reduction,
// so that a seed gives the same puzzles with every compiler and standard library.
#pragma once

#include <cstdint>
#include <vector>

namespace kakuro {

// One step of splitmix64: advances `state` and returns the mixed value.
std::uint64_t splitmix64(std::uint64_t &state);

class Random {
public:
    explicit Random(std::uint64_t seed);

    std::uint64_t next();
    // A uniform value in 0..bound-1 (bound >= 1), by multiply-and-reject.
    std::uint32_t below(std::uint32_t bound);
    // True with probability numerator/denominator.
    bool chance(std::uint32_t numerator, std::uint32_t denominator) { return below(denominator) < numerator; }

    template <typename T> void shuffle(std::vector<T> &items)
    {
        for (std::size_t i = items.size(); i > 1; --i) {
            const std::size_t j = below(std::uint32_t(i));
            std::swap(items[i - 1], items[j]);
        }
    }

private:
    std::uint64_t s_[4];
};

// The seed of item `index` of a series started from `seed`: independent streams per puzzle.
std::uint64_t deriveSeed(std::uint64_t seed, std::uint64_t index);

} // namespace kakuro
