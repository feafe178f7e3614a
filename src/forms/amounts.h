// Amounts the systems book and stakes they grow: a player can type base bets, limits and
// multipliers in the thousands, and a long losing run must then stay at the end of the 64-bit
// range rather than wrap into a gain.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <limits>

namespace forms {

inline constexpr int64_t AmountMax = std::numeric_limits<int64_t>::max();
inline constexpr int64_t AmountMin = std::numeric_limits<int64_t>::min();

constexpr int64_t satAdd(int64_t a, int64_t b) {
    int64_t r = 0;
    if (__builtin_add_overflow(a, b, &r)) return b > 0 ? AmountMax : AmountMin;
    return r;
}

constexpr int64_t satSub(int64_t a, int64_t b) {
    int64_t r = 0;
    if (__builtin_sub_overflow(a, b, &r)) return b < 0 ? AmountMax : AmountMin;
    return r;
}

// Results of several rows or accounts, added in turn.
constexpr int64_t satSum(std::initializer_list<int64_t> amounts) {
    int64_t sum = 0;
    for (int64_t a : amounts) sum = satAdd(sum, a);
    return sum;
}

// A stake times a count of numbers, a payout or a doubling.
constexpr int64_t satMul(int64_t a, int64_t b) {
    int64_t r = 0;
    if (__builtin_mul_overflow(a, b, &r)) return (a < 0) != (b < 0) ? AmountMin : AmountMax;
    return r;
}

// The lowest amount has no opposite: it turns into the highest.
constexpr int64_t satNeg(int64_t a) { return a == AmountMin ? AmountMax : -a; }

// An amount into a field that holds 32 bits, kept at that field's end.
constexpr int32_t satNarrow(int64_t a) {
    if (a > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (a < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(a);
}

}  // namespace forms
