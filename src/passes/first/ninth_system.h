// "9th Unique nbrs": the twelve most recent distinct numbers, bet straight up.
#pragma once

#include <cstdint>
#include <optional>

#include "state/first_pass_state.h"

namespace passes::ninth {

struct SpinIn {
    int x = 0;                      // the new spin
    bool historyFull = false;       // history row 13 holds a spin
    bool advisedWait = false;       // the stake box read "wait" before this spin
    std::optional<double> percent;  // "Basebet % from lost"
};

struct SpinOut {
    enum class Stake : uint8_t { Keep, Show, Wait } stake = Stake::Keep;  // the stake box
};

// One spin: collect, settle, renew. Books only what was advised (not while "wait").
SpinOut spin(state::Sys9thState& st, const SpinIn& in);

}  // namespace passes::ninth
