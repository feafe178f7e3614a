// Column streak statistics on the statistics window: the longest run of each column seen in the
// 27 newest spins, and the record of the run that reaches the newest spin ("Max20th"), coloured
// by the column that set it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

class Session;

namespace tch {

// Runs of each column ending at the newest spin, from the column codes of rows 27 down to 1
// (codes "1", "2", "3"; anything else breaks every run); the records grow with each run.
struct Streaks {
    std::array<int64_t, 3> run{};  // the runs that reach row 1
};
Streaks scanStreaks(const std::array<int, 27>& codesOldestFirst, std::array<int64_t, 3>& records);

// The column (0..2) whose run beats the "Max20th" record m, if any.
std::optional<int> newCurrentRecord(const Streaks& s, int64_t m);

inline constexpr uint32_t StreakColour[3] = {0xFFFF00, 0x80FF, 0xC0FFC0};

void bookStreakStatistics(Session& s);

}  // namespace tch
