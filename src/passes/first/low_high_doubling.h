// Even-chance low/high doubling: bets the half of the last spin and doubles after a loss.
#pragma once

#include <cstdint>
#include <string_view>

#include "state/first_pass_state.h"

namespace passes::doubling {

// One spin x (0..36) against the advice shown ("L", "H" or ""), with the unit stake of
// "Multiplicator:". Returns the advice to show next.
std::string_view step(state::EvenChanceDoublingState& st, int x, std::string_view advice, int64_t unit);

}  // namespace passes::doubling
