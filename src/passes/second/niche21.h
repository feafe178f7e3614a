// 21st NICHE: four arcs of the wheel played as sleepers. Each counts the spins it has not come
// (NApp), bets the whole arc while that count is inside its window "InS".."InE", and raises its
// multiplier offset after a window that ends without a hit. A side bet "Cwin21st2" books a payout
// table on every spin.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "state/second_pass_state.h"

namespace passes {

struct NicheSector {
    int64_t napp = 0, mx = 0, cwin = 0, mincw = 0, bb = 1, mlt = 0, cyc = 0;
};

// A sector's window boxes; nullopt when the box is not a whole number.
struct NicheWindow {
    std::optional<int64_t> ins, ine;
};

struct Niche21Input {
    int newest = -1;
    std::array<NicheWindow, 4> windows;
    // MaxNapp, Multipl and Total Cwin of the options window; nullopt when not a number.
    std::optional<int64_t> maxNapp, multiplier, totalTarget;
};

// The NApp figure's colour: green while the next spin is bet, red past the limit, else black.
enum class NicheColour { Keep, Green, Red, Black };

struct Niche21Result {
    bool sectorsRan = false;
    std::array<NicheColour, 4> colours{};
};

// One sector's spin; A is sector 0 (its window and limits differ slightly from B, C and D).
void nicheSector(NicheSector& sec, int sector, bool hit, const NicheWindow& w, int64_t maxNapp,
                 int64_t multiplier, NicheColour& colour);

// The side bet's change for one spin at stake `stake`.
int64_t nicheSideBet(int spin, int64_t stake);

Niche21Result niche21(state::Niche21State& st, const state::WheelSectorTables& wheel, const Niche21Input& in);

}  // namespace passes
