// Sets of the digits 1-9 as 9-bit masks (bit d-1 stands for digit d), and the few operations on them.
#pragma once

#include <bit>
#include <cstdint>

namespace kakuro {

using DigitSet = std::uint16_t;

inline constexpr DigitSet kAllDigits = 0x1FF;

namespace detail {
// Bit counts of the 512 digit sets: a table, since a plain x86-64 build has no popcount instruction.
inline constexpr auto kCounts = [] {
    struct Counts {
        std::uint8_t n[512];
    } c{};
    for (unsigned set = 0; set < 512; ++set)
        c.n[set] = std::uint8_t(std::popcount(set));
    return c;
}();
} // namespace detail

constexpr DigitSet digitBit(int digit)
{
    return DigitSet(1u << (digit - 1));
}
// The number of digits in a set; also the number of bits of any mask below 512.
constexpr int digitCount(unsigned set)
{
    return detail::kCounts.n[set & 0x1FF];
}
constexpr bool isSingle(DigitSet set)
{
    return set != 0 && (set & (set - 1)) == 0;
}
// The lowest digit of a non-empty set.
constexpr int lowestDigit(DigitSet set)
{
    return std::countr_zero(unsigned(set)) + 1;
}

constexpr int digitSum(DigitSet set)
{
    int sum = 0;
    for (int d = 1; d <= 9; ++d)
        if (set & digitBit(d))
            sum += d;
    return sum;
}

// Calls f(digit) for every digit of the set, lowest first.
template <typename F> void forEachDigit(DigitSet set, F f)
{
    while (set) {
        f(lowestDigit(set));
        set &= DigitSet(set - 1);
    }
}

} // namespace kakuro
