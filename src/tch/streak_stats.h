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

// The same scan over codes handed out one by one, oldest first (code(0) is row 27).
template <typename Code>
Streaks scanStreaksBy(Code code, std::array<int64_t, 3>& records) {
    // At most one run is open at a time: the column of the last code and its length.
    int column = -1;
    int64_t length = 0;
    for (int i = 0; i < 27; ++i) {
        const int c = code(i);
        if (c < 1 || c > 3) {
            column = -1;
            length = 0;
            continue;
        }
        const int k = c - 1;
        length = k == column ? length + 1 : 1;
        column = k;
        if (length > records[static_cast<size_t>(k)]) records[static_cast<size_t>(k)] = length;
    }
    Streaks s;
    if (column >= 0) s.run[static_cast<size_t>(column)] = length;
    return s;
}

// The column (0..2) whose run beats the "Max20th" record m, if any.
std::optional<int> newCurrentRecord(const Streaks& s, int64_t m);

inline constexpr uint32_t StreakColour[3] = {0xFFFF00, 0x80FF, 0xC0FFC0};

void bookStreakStatistics(Session& s);

}  // namespace tch
