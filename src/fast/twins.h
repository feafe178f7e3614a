// Stakes of the 25th Twins instances and of the 12th Fast tail, and the number classes the
// second pass asks for.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "routines/ladders.h"
#include "routines/streets.h"

class Session;
class Frm6fast;

namespace fast {

// The three Twins progressions by step; "0-prog50cost90,1-prog70cost190,2-pr22cost30".
inline constexpr routines::Band kTwinsProg0[] = {{0, 17, 1}, {18, 26, 2}, {27, 32, 3}, {33, 36, 4}};
inline constexpr routines::Band kTwinsProg1[] = {{0, 20, 1}, {21, 40, 2}, {41, 50, 3}, {51, 60, 4}, {61, 70, 6}};
inline constexpr routines::Band kTwinsProg2[] = {{0, 14, 1}, {15, 22, 2}};
inline constexpr routines::Band kFastTail[] = {{0, 10, 1}, {11, 20, 2}};

// A step off its progression (above the last step, or negative) ends the instance's round and
// stakes 1. A progression other than 0..2 stakes 0 and ends nothing.
struct TwinsStake {
    int stake = 0;
    bool ends = false;
    bool operator==(const TwinsStake&) const = default;
};
TwinsStake twinsStake(int64_t step, int64_t prog);

// The FAST panel's boxes (Text4) and labels (Label4) of one Twins instance.
struct TwinsDisplay {
    int seed, twin, cwin, bb, end, mincw;
    int seedLabel, bbLabel, endLabel;
};
inline constexpr TwinsDisplay TwinsInstance1{72, 73, 71, 74, 76, 75, 53, 56, 58};
inline constexpr TwinsDisplay TwinsInstance2{77, 78, 79, 80, 81, 82, 59, 62, 63};

// An idle instance: its end, stake, labels and seed turn white.
void paintTwinsIdle(Frm6fast& f, const TwinsDisplay& d);

// Instance 1 and 2 on the session: the stake, and on an end the instance goes idle, its display
// turns white and (progressions 0 and 2) its seed and twin show "-1". Instance 1 also counts the
// ended round in i_25wrsess when it was playing in the Twins modes that count it.
int f_bbet25(Session& s, int64_t cntpl, int64_t prog);
int f_bbet252(Session& s, int64_t cntpl2, int64_t prog);

// The 12th Fast tail's three-number bet: 1 for steps 0..10, 2 for 11..20, else 0.
int f_bbet25_4(int64_t cntpl2);

// The street of a spin as "a,b,c"; "-1,-1,-1" below 1, and 34 and above give "34,35,36".
std::string street_nbr25(int64_t lastSpin);

// 0 for zero, 1 for 1..18, 2 for 19..36, 0 for anything else (text that is no number included).
int hl_check(std::string_view s1);

// The street routine once more; nothing calls it from here.
using routines::rem_twonbrs;

}  // namespace fast
