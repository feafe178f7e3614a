// Variables that belong to the HGF and FAST panels. They live in the session, so setting one
// does not load its window.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "forms/convert.h"

namespace state {

using forms::Var;

// The HGF panel's session alert timer and its two counters.
struct HgfPanelState {
    int32_t timer = 0;        // minutes counted by the alert timer
    int32_t l_timersec = 0;   // the alert limit in minutes
    int32_t l_16cnt = 0;      // the manual counter
    int32_t l_16cntc = 0;     // the 16th system's second counter
};

// The FAST panel: the 28Fass engine's counters and selection, and the bankroll figures.
struct FassState {
    Var l_1, l_2, l_3, l_5, l_8, l_13;
    int32_t l_16 = 0;
    int64_t l_counter = 0;
    std::string s_string;
    int32_t i_counterskips = 0, i_counterskips2 = 0;
    int32_t i_fassnbrs = 0;
    std::array<int64_t, 5> a_lowsearch{};
    std::array<int64_t, 3> a_highsearch{};
    int32_t l_20perc = 0;
    std::string s_minlosebet;
    std::string s_elimnbr1, s_elimnbr2;
    std::string s_oldbet, s_oldstring;
    int32_t l_initbank = 0;
    Var l_betmin, l_betmax;
    std::array<int32_t, 12> SkipWindow{};
};

}  // namespace state
