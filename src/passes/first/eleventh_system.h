// "11th Sixth": a figure per six line from its hit frequency and its gap, and a step ladder that
// runs while the player has marked a six line.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "state/first_pass_state.h"

namespace passes::eleventh {

// The new spin x counted after `spins` accepted spins; all seven figures renewed (index 6 is
// zero). Gives the figures in whole hundredths.
std::array<int64_t, 7> countSpin(state::Sys11thState& st, int x, int32_t spins);

// The ladder's next text from its current one; `count` is the spins since it left "0".
std::string_view nextStep(std::string_view current, int32_t count);

}  // namespace passes::eleventh
