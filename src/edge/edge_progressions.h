// The six switchable Edge progressions: one ladder per bet size, stepped once per spin while the
// switch is on.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace edge {

// Row k's stake ladder (1, 2, 3, 4, 6 and 12 numbers).
extern const std::array<int (*)(int64_t), 6> ProgressionLadders;

// One spin of row k: on, the step moves up and the new step's stake is returned; off, the step
// goes back to 0 and nothing is shown.
std::optional<int> stepProgression(int32_t& step, int k, bool on);

}  // namespace edge
