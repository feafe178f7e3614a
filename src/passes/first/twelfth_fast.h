// 12th FAST, first-pass part: the verdict on the last twelve skips, and with "Start Game" ticked
// the run of the 28Fass engine and the settlement of the previous spin's 33-number bet.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "forms/form.h"

namespace passes {

// "YES " up to four FASS skips (green), "NM " at five, "NO " above (red), with the count.
struct FassVerdict {
    int count = 0;
    std::string_view text;
    forms::Color back = 0;
};
FassVerdict fassVerdict(const std::array<int32_t, 12>& window);

// True when the first four items of a "ElimNBRS" text are numbers, as the settlement needs.
bool elimListReady(std::string_view s);

}  // namespace passes
