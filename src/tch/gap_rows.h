// Gap rows N-X-N of the TCh board: when the last three spins read group, other, group (in
// "5-X-5": a group number twice running) the row bets its finals group from the next spin on its
// ladder until the group comes or the run reaches the shared limit.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "routines/ladders.h"
#include "tch/common.h"

class Session;
class Frm7tch;

namespace tch {

struct GapRule {
    const char* group;  // the numbers, as "7,17,27"
    bool repeat;        // armed by a group number twice running instead of N-X-N
    Group g = groupOf(group);
    int n = sizeOf(g);
};

struct GapFields {
    int64_t cwin = 0, cwMin = 0, bb = 1, bbMx = 0, count = 0, countMax = 0;
    bool betting = false;
    bool operator==(const GapFields&) const = default;
};

struct GapInputs {
    int spin = 0;
    int64_t limit = 0;
    std::optional<std::array<int, 3>> rows;  // history rows 1..3, when row 3 holds a spin
};

// One spin: settlement while betting, arming, extremes.
Paint gapSpin(const GapRule& r, GapFields& f, const GapInputs& in);

// Rows in the order of tchbox::GapRows: "7-X-7", "4-X-4", "6-X-6", "5-X-5", "8-X-8".
inline constexpr int GapRowCount = 5;
const GapRule& gapRule(int row);

// The shared limit as it stands; the rows sit the spin out when it is not a whole number.
std::optional<int64_t> gapLimit(const Frm7tch& w);

// Books the newest spin on gap rows first..end-1 and shows them.
void bookGapRows(Session& s, Frm7tch& w, int first, int end, const Recent& h, std::optional<int64_t> limit);

}  // namespace tch
