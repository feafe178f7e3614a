// Sleeper rows of the TCh board: the eleven finals and doubles rows and the seven wheel-sector
// rows. Each counts the spins since its group last came; at its limit the caption turns green and
// the row bets its group on its ladder until the group comes. A sector row also widens to five
// numbers from a step on. One engine serves all eighteen; the rows differ only by their data.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "routines/ladders.h"
#include "tch/common.h"

class Session;
class Frm7tch;

namespace tch {

struct SleeperRule {
    std::string_view caption;      // the core group, as the caption shows it
    std::string_view wideCaption;  // empty: the row never widens
    const routines::Ladder* ladder;
    const routines::Ladder* wideLadder;
    int pastLadderStake;  // stake once a miss takes the step past the ladder limit
    Group core = groupOf(caption);
    Group wide = groupOf(wideCaption);
    int coreSize = sizeOf(core), wideSize = sizeOf(wide);
};

// The row's figures, whatever storage they live in.
struct SleeperFields {
    int64_t cwin = 0, cwMin = 0, bb = 1, step = 0, bbMx = 0, sleep = 0, maxSleep = 0;
    bool operator==(const SleeperFields&) const = default;
};

// The limits as read this spin; nullopt when the box holds no whole number. Standard rows have
// no ladder limit and no widening step.
struct SleeperLimits {
    std::optional<int64_t> sleep, ladder, widen;
};

// Which group the row plays from its step: the wide one from the widening step on.
bool playsWide(const SleeperRule& r, int64_t step, const SleeperLimits& lim);

// One spin on one row: waiting, betting, arming, extremes. Returns what the caption must show.
Paint sleeperSpin(const SleeperRule& r, SleeperFields& f, int spin, const SleeperLimits& lim);

// Rows 0..10 are the finals and doubles rows in the order of tchbox::StandardRows, 11..17 the
// wheel-sector rows 1..7; row k keeps its longest sleep in MaxSleepTable slot k.
inline constexpr int SleeperRowCount = 18;
inline constexpr int FirstSectorRow = 11;
const SleeperRule& sleeperRule(int row);

// Row k's limits as its boxes hold them now (the sector rows share theirs).
SleeperLimits sleeperLimits(const Frm7tch& w, int row);

// Books the newest spin on rows first..end-1 and shows them on the window. Shared limits serve
// every row (the sector rows); without them each standard row reads its own limit box.
void bookSleeperRows(Session& s, Frm7tch& w, int first, int end, int spin, const SleeperLimits* shared = nullptr);

}  // namespace tch
