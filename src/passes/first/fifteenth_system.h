// 15th system ("15th Shotwell"): run statistics of six fixed groups of ten numbers. For each
// group: the spins since its last hit ("No"), the average run a hit has ended ("Avg") and the
// longest run ("Mx"). It bets nothing.
#pragma once

#include <array>
#include <cstdint>

#include "forms/convert.h"
#include "state/first_pass_state.h"

namespace passes {

inline constexpr std::array<std::array<int, 10>, 6> ShotwellGroups = {{
    {1, 2, 3, 4, 5, 6, 20, 26, 8, 10},
    {4, 5, 6, 7, 8, 9, 13, 14, 15, 10},
    {10, 11, 12, 13, 14, 15, 16, 17, 18, 28},
    {13, 14, 15, 16, 17, 18, 11, 12, 27, 28},
    {19, 20, 21, 22, 23, 24, 1, 2, 4, 26},
    {28, 29, 30, 31, 32, 33, 0, 22, 24, 35},
}};

// The six groups' fields side by side; a field nothing has set yet is empty (shows "").
struct ShotwellStats {
    std::array<int32_t, 6> run{};
    std::array<forms::Var, 6> hits, sum, avg, max;
    std::array<bool, 6> hit{};
};

ShotwellStats shotwellOf(const state::Sys15thState& st);
void storeShotwell(state::Sys15thState& st, const ShotwellStats& g);

// One spin n.
ShotwellStats shotwellSpin(ShotwellStats g, int n);

}  // namespace passes
