// The 8thAdv stake schedules: a stake by the place of a spin count inside a cycle that starts
// at a chosen count. All arithmetic is 64-bit, so any start a player can type works.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "routines/ladders.h"

class Session;

namespace routines {

// The option button that is selected; None when none is.
enum class AdvSchedule { None, S90, M90, ES141 };

// Stakes by place (the count equal to the start is place 1).
inline constexpr Band S90Bands[] = {{0, 33, 1},  {34, 51, 2}, {52, 63, 3}, {64, 72, 4},
                                    {73, 79, 5}, {80, 85, 6}, {86, 90, 7}, {91, 91, 1}};
inline constexpr Band M90Bands[] = {{0, 20, 1},  {21, 40, 2}, {41, 50, 3},  {51, 60, 4},
                                    {61, 70, 6}, {71, 80, 8}, {81, 87, 10}, {88, 90, 11}};
inline constexpr Band ES141Bands[] = {
    {0, 33, 1},     {34, 51, 2},    {52, 63, 3},    {64, 72, 4},    {73, 79, 5},
    {80, 85, 6},    {86, 90, 7},    {91, 94, 8},    {95, 98, 9},    {99, 102, 10},
    {103, 104, 11}, {105, 105, 12}, {106, 108, 13}, {109, 109, 14}, {110, 115, 15},
    {116, 119, 17}, {120, 123, 19}, {124, 126, 21}, {127, 129, 23}, {130, 131, 24},
    {132, 132, 25}, {133, 134, 26}, {135, 135, 27}, {136, 136, 28}, {137, 137, 29},
    {138, 139, 30}, {140, 141, 32}};
// S90 alone starts a new cycle itself, at this place.
inline constexpr int64_t S90RestartPlace = 91;

// Spins in a cycle: 90 for S90 and M90, 141 otherwise (no selection included).
int64_t advCycleLength(AdvSchedule schedule);

struct AdvStake {
    int stake = 0;
    std::optional<int64_t> nextStart;  // S90 at place 91: the start of the next cycle
};

// Stake for the spin count `count` of a cycle starting at `start`; 0 outside the schedule.
AdvStake f_prog8thADV(int64_t start, int64_t count, AdvSchedule schedule);

// Spins left in the cycle; 0 once it has run out (the caller counts that as a lost cycle).
int64_t f_prog8thADVcdown(int64_t start, int64_t count, AdvSchedule schedule);

// The older 60-spin schedule; 0 before its start or past start + 60 (the caller shows "QT").
int f_prog60(int64_t start, int64_t count);
inline constexpr Band Prog60Bands[] = {{0, 20, 2}, {21, 30, 3}, {31, 40, 4}, {41, 50, 6}, {51, 60, 8}};

// On the session: the schedule is the selected option button of the options window, s1 the text
// of NonAppearCnt. S90's restart writes the next start into NonAppearCnt; a cycle that has run
// out counts into i_loses19; f_prog60 past its schedule shows "QT" in the HGF panel's Text4(1).
// An s1 that is not a number gives 0 and changes nothing.
AdvSchedule advSchedule(Session& s);
int f_prog8thADV(Session& s, std::string_view s1, int64_t i3);
int64_t f_prog8thADVcdown(Session& s, std::string_view s1, int64_t i3);
int f_prog60(Session& s, std::string_view s1, int64_t i0);

}  // namespace routines
