// 19th HGF ADV: every number that has stayed away for NonAppearCnt spins is played straight up on
// the 8thAdv schedule until it comes; the HGF panel shows the hits' Mn/Mx/Avg and each number's
// absence, next stake and spins left.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "routines/schedules.h"
#include "state/first_pass_state.h"

namespace passes {

struct Adv19Input {
    int newest = -1;  // the newest spin, -1 when there is none
    int64_t start = 0;  // NonAppearCnt as it stands
    routines::AdvSchedule schedule = routines::AdvSchedule::M90;
    bool averageFilter = false;           // "Avg": a number must also have at least the average hits
    std::array<int64_t, 37> hits{};       // HitCounts
    int64_t shownAverage = 0;             // the average as left by the previous spin, as a whole number
    std::array<int64_t, 37> riding{};     // the stakes shown after the previous spin, riding on this one
};

struct Adv19Number {
    bool played = false;
    int64_t stake = 0;  // for the next spin
    int64_t left = 0;   // spins left in the schedule
};

struct Adv19Result {
    int64_t mn = 0, mx = 0;
    double avg = 0;
    std::array<Adv19Number, 37> numbers{};
};

// S90 starts the next cycle itself: `raise` takes the new start and returns the start in force.
using AdvRaise = std::function<int64_t(int64_t)>;

Adv19Result hgfAdv19(state::Sys19thAdvState& st, const Adv19Input& in, const AdvRaise& raise);

}  // namespace passes
