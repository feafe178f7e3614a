// "1st - 2D 12slp vs 24 hit": one stake on each of the two dozens the last spins hit, against the
// dozen that sleeps.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace passes {

struct FirstSystemState {
    std::string s_1, s_2, s_3;  // dozen classes of rows 1..3 at the last non-zero spin
    int64_t l_trend1 = 0;       // 1 two different dozens advised, 2 advice moved on, 3 same dozen
    int64_t l_cwin1 = 0;
    int64_t l_bbet1 = 1;
    std::string advice0, advice3;  // the boxes "Bet adv", read back as state
    bool operator==(const FirstSystemState&) const = default;
};

// One spin: `spin` is the newest history row as a number, d1..d3 the dozen classes of rows 1..3
// ("" for an empty row).
void firstSystemSpin(FirstSystemState& st, int spin, std::string_view d1, std::string_view d2,
                     std::string_view d3);

}  // namespace passes
