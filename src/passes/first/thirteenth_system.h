// 13th Fibonacci numbers: a sleeper on 1, 2, 3, 5, 8, 13, 21 and 34 that starts betting all
// eight after "FiboNONnbrs" spins without one of them, with its stake on the fibobet ladder.
#pragma once

#include <cstdint>
#include <optional>

#include "state/first_pass_state.h"

namespace passes {

// What the caption "13th Fibonacci nbrs" shows by its back colour.
enum class FiboMark { Unchanged, Won, Betting };

struct FiboStep {
    state::Sys13thState st;
    FiboMark mark = FiboMark::Unchanged;
    int32_t shownStake = 0;  // "Bbet" shows the stake before a starting run resets it to 1
};

// One spin n. nonLimit is "FiboNONnbrs"; nullopt (no number) never starts the betting.
FiboStep fiboSpin(state::Sys13thState st, int n, std::optional<double> nonLimit);

}  // namespace passes
