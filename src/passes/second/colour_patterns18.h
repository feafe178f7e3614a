// 18th colour patterns: the String (same colour again) and Zig-Zag (other colour) statistics, and
// a one-stake bet on the colour of the spin before the newest with a list progression.
#pragma once

#include <cstdint>
#include <optional>

#include "state/second_pass_state.h"

namespace passes {

// Colours as br_check18th gives them: 0 zero, 1 red, 2 black; NoSpin for an empty history row.
inline constexpr int NoSpin = -1;

struct Colour18Input {
    int newest = NoSpin;    // row 1
    int previous = NoSpin;  // row 2
    // The panel's "Min conditions" (Zig-Zag, String) and "Base bet"; nullopt when not a number.
    std::optional<int64_t> minZig, minString, baseBet;
    int lossColour = 0;     // colour of the newest row that is not zero, for the advice after a loss
};

enum class Advice18 { Keep, White, Red, Black };

struct Colour18Result {
    Advice18 advice = Advice18::Keep;
    bool listChanged = false;
};

Colour18Result colourPatterns18(state::Sys18thState& st, const Colour18Input& in);

}  // namespace passes
