// A ladder looked up by index instead of walking its bands: the spin path asks the same ladders
// on every spin, often far past their last band.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "routines/ladders.h"

namespace routines {

constexpr int64_t topOf(const Ladder& l) {
    int64_t top = 0;
    for (const Band& b : l.bands)
        if (b.hi > top) top = b.hi;
    return top;
}

// The same stakes as ladderStake(L, count) for every count.
template <const Ladder& L>
struct LadderTable {
    static constexpr int64_t Top = topOf(L);
    static_assert(Top >= 0 && Top <= 1000);
    static constexpr auto Stakes = [] {
        std::array<int, static_cast<size_t>(Top) + 1> t{};
        for (int64_t c = 0; c <= Top; ++c) t[static_cast<size_t>(c)] = ladderStake(L, c);
        return t;
    }();
    static constexpr int stake(int64_t count) {
        if (count >= 0 && count <= Top) return Stakes[static_cast<size_t>(count)];
        if (count > Top) return L.other;  // beyond every band
        return ladderStake(L, count);     // negative: absolute ladders fold it
    }
};

static_assert(LadderTable<Ladder3nb30>::stake(45) == 42 && LadderTable<Ladder3nb30>::stake(46) == 0);
static_assert(LadderTable<Ladder6nbHalf>::stake(-3) == 1 && LadderTable<Ladder6nbHalf>::stake(0) == 1);
static_assert(LadderTable<Ladder1nbCw87>::stake(-40) == 2 && LadderTable<Ladder1nbCw87>::stake(101) == 0);

}  // namespace routines
