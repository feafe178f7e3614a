// The net result of a hit for the "16th Cycle 1Dozen" system: zero or a number of the played
// dozen. The bet covers zero and the dozen, so what a number returns depends on its place in
// its dozen block, the stake level and the phase.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

class Session;

namespace routines {

enum class Win16Place { Zero, Corner, Edge, Middle };

inline constexpr std::array<int, 12> Win16Corners = {1, 3, 10, 12, 13, 15, 22, 24, 25, 27, 34, 36};
inline constexpr std::array<int, 6> Win16Middles = {5, 8, 17, 20, 29, 32};

// Stake levels, in the order of the columns of Win16Net.
inline constexpr std::array<int, 5> Win16Levels = {4, 8, 20, 40, 60};
// The cycle phase plays the levels from this column on.
inline constexpr int Win16CycleFirstLevel = 2;

// Return minus stake in units, by place (Win16Place order) and level.
inline constexpr std::array<std::array<int, 5>, 4> Win16Net = {{
    {36 - 5, 36 - 9, 72 - 22, 144 - 44, 216 - 66},  // zero
    {9 - 5, 18 - 9, 63 - 22, 126 - 44, 189 - 66},   // corner
    {9 - 5, 18 - 9, 54 - 22, 108 - 44, 162 - 66},   // edge
    {9 - 5, 18 - 9, 72 - 22, 144 - 44, 216 - 66},   // middle
}};

// Place of a number 1..36 inside its dozen block (Corner, Edge or Middle).
Win16Place win16Place(int64_t nbr);

// Net result of the hit nbr in units of `unit` ("Basebet:" in the normal phase, the cycle bet
// in the cycle phase). dozen is the spin's class "L", "M", "H" or "0"; anything else, a level
// the phase does not play, or a number outside 1..36 for a dozen letter gives 0.
int64_t win16(int64_t nbr, std::string_view dozen, bool bcyc, int64_t bbet16, int64_t unit);

// With the unit read from the HGF panel: "Basebet:" Text10(3), or the cycle bet Text10(4) in the
// cycle phase. A unit box that holds no whole number gives 0.
int64_t win16(Session& s, int64_t nbr, std::string_view dozen, bool bcyc, int64_t bbet16);

}  // namespace routines
