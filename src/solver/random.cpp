// The random engine: splitmix64 to seed, xoshiro256** to draw, Lemire's rejection to reduce.
#include "solver/random.h"

namespace kakuro {
namespace {

std::uint64_t rotl(std::uint64_t x, int k)
{
    return (x << k) | (x >> (64 - k));
}

} // namespace

std::uint64_t splitmix64(std::uint64_t &state)
{
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

Random::Random(std::uint64_t seed)
{
    for (std::uint64_t &word : s_)
        word = splitmix64(seed);
}

std::uint64_t Random::next()
{
    const std::uint64_t result = rotl(s_[1] * 5, 7) * 9;
    const std::uint64_t t = s_[1] << 17;
    s_[2] ^= s_[0];
    s_[3] ^= s_[1];
    s_[1] ^= s_[2];
    s_[0] ^= s_[3];
    s_[2] ^= t;
    s_[3] = rotl(s_[3], 45);
    return result;
}

std::uint32_t Random::below(std::uint32_t bound)
{
    // The high half of a 32x32-bit product is uniform once the few biased low products are
    // rejected; the threshold is 2^32 mod bound.
    std::uint64_t product = (next() >> 32) * bound;
    auto low = std::uint32_t(product);
    if (low < bound) {
        const std::uint32_t threshold = std::uint32_t(-bound) % bound;
        while (low < threshold) {
            product = (next() >> 32) * bound;
            low = std::uint32_t(product);
        }
    }
    return std::uint32_t(product >> 32);
}

std::uint64_t deriveSeed(std::uint64_t seed, std::uint64_t index)
{
    std::uint64_t state = seed ^ (index * 0xD1B54A32D192ED03ull);
    splitmix64(state);
    return splitmix64(state);
}

} // namespace kakuro
