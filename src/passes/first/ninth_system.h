// "9th Unique nbrs": the twelve most recent distinct numbers, bet straight up.
#pragma once

#include <cstdint>
#include <optional>

#include "state/first_pass_state.h"

namespace passes::ninth {

struct SpinIn {
    int x = 0;                      // the new spin
    bool historyFull = false;       // history row 13 holds a spin
    bool advisedWait = false;  // the stake box read "wait" before this spin
};

struct SpinOut {
    enum class Stake : uint8_t { Keep, Show, Wait } stake = Stake::Keep;  // the stake box
    bool restake = false;  // a win: the stake is worked out afresh before it is shown
};

// One spin: collect, settle, renew. Books only what was advised (not while "wait").
SpinOut spin(state::Sys9thState& st, const SpinIn& in);
// The stake after a win: 1 while the result is not negative, else Round(|result| x percent),
// at least 1. A percent that is not a number leaves the stake.
void restake(state::Sys9thState& st, std::optional<double> percent);

}  // namespace passes::ninth
