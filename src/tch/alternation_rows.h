// Two-number alternation rows of the TCh board: a trigger spin arms the row and it bets its pair
// from the next spin, two stakes a spin, until one of the pair comes or the run reaches its limit.
// And the switch row, which only counts spins and shows a stake while the player has it on.
#pragma once

#include <cstdint>

#include "tch/common.h"

class Session;
class Frm7tch;

namespace tch {

struct AlternationFields {
    int64_t cwin = 0, cwMin = 0, bb = 1, step = 0, bbMx = 0, cntW = 0, cntL = 0, lossRun = 0;
    bool operator==(const AlternationFields&) const = default;
};

struct AlternationInputs {
    bool trigger = false;  // the newest spin arms the row
    bool inPair = false;   // the newest spin is one of the pair
    bool green = false;    // the caption was green when the spin came
    int64_t limit = 0;
};

// One spin: arming, settlement (only while the caption is green), stake, extremes.
Paint alternationSpin(AlternationFields& f, const AlternationInputs& in);

inline constexpr int AlternationRowCount = 3;

// Books the newest spin on the three alternation rows and shows them.
void bookAlternationRows(Session& s, Frm7tch& w, const Recent& h);

// The switch row: counts while Label1(21) is on.
void bookSwitchRow(Session& s, Frm7tch& w);

}  // namespace tch
