// Derived-number rows of the TCh board: while idle a row takes its numbers from the recent spins
// (the partners of the last three or four spins) or from the first HGF number; when armed it bets
// them from the next spin for at most its limit of spins, and a hit or the end of the run makes
// it idle again.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "routines/ladders.h"
#include "tch/common.h"

class Session;
class Frm7tch;

namespace tch {

enum class Derived { Partners3, FirstHgf, Partners4 };

struct DerivedRule {
    Derived kind;
    int n;  // numbers bet
    const routines::Ladder* ladder;
};

inline constexpr int64_t IdleStep = 100;

struct DerivedFields {
    int64_t cwin = 0, cwMin = 0, bb = 1, step = IdleStep, bbMx = 0, cntW = 0, cntL = 0;
    int64_t extra = 0;  // first HGF row: misses while below 0; four partners: runs lost in a row
    bool justWon = false, idle = true;
    std::array<int64_t, 4> nums{-1, -1, 0, 0};
    bool hasNumbers = false;  // numbers were derived at least once
    bool operator==(const DerivedFields&) const = default;
};

struct DerivedInputs {
    int spin = 0;
    int64_t limit = 0;
    bool green = false;  // the caption was green when the spin came
    std::optional<std::array<int64_t, 4>> fresh;  // numbers derived from this spin's history
    bool armReady = false;  // the history the row needs to arm (row 3, or five different spins)
    std::optional<double> lossPercent;  // BaseBetPercentFromLost
};

// One spin: derivation, settlement, extremes, arming.
Paint derivedSpin(const DerivedRule& r, DerivedFields& f, const DerivedInputs& in);

// The first number of the HGF list as the first pass split it (element 1); nullopt when the list
// has no such element or it is not a number, and the row keeps the number it had.
std::optional<int64_t> firstListNumber(const std::vector<std::string>& items);

inline constexpr int DerivedRowCount = 3;
const DerivedRule& derivedRule(int row);

// Books the newest spin on the three derived rows and shows them.
void bookDerivedRows(Session& s, Frm7tch& w, const Recent& h);

}  // namespace tch
