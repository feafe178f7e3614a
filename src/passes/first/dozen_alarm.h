// The dozen non-appearance alarm: turns a rare dozen that has not come lately green on the HGF
// panel, which the 16th system then plays, unless another dozen is already green.
#pragma once

#include <array>
#include <optional>

#include "passes/first/sixteenth_system.h"

namespace passes {

struct AlarmInput {
    bool fullHistory = false;
    std::array<int64_t, 3> counts{};
    std::optional<int32_t> window, maxAll;
    std::array<std::string_view, 3> shares;  // the "% All" boxes
    std::array<bool, 3> green{};
};

struct AlarmResult {
    int examined = -1;  // the one dozen examined this spin, -1 for none
    bool flag = false;  // its flag after the scan
    bool turnsGreen = false;
};

AlarmResult dozenAlarm(const DozenRows& rows, const AlarmInput& in);

}  // namespace passes
