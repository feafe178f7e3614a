// Everything that lives between spins, one plain struct per system group. Field names are unique
// across groups, so SessionState inherits them all and code reads `st.l_general_cnt`; a group can
// still be put back to its start values on its own: `static_cast<Sys2ndState&>(st) = {}`.
// Default member initialisers are the start values the main window's load sets.
#pragma once

#include <cstdint>
#include <string>

#include "forms/convert.h"

namespace state {

using forms::Var;

struct DozenCounts {
    Var l_ll, l_mm;
    int32_t l_hh = 0;
};

struct SpinCounters {
    Var l_general_cnt;  // not set at start: the first spin makes it 1
    int32_t l_general_cnt2 = 0;
    Var l_trend1;
};

struct Sys2ndState {
    Var l_basebet = 1;
    Var l_cwin2 = 0;
    Var l_trend;
};

struct Sys3rdTrendState {
    Var l_ll2, l_mm2;
    int32_t l_hh2 = 0;
};

struct ColumnCounts {
    Var l_1col = 0, l_2col = 0;
    int32_t l_3col = 0;
};

struct NewSpinDozenCounters {
    Var l_lall = 0, l_mall = 0;
    int32_t l_hall = 0;
};

struct EvenChanceStates {  // 0 idle, 1 armed, 2 repeat
    Var l_red, l_black, l_odd, l_even, l_high;
    int32_t l_low = 0;
};

struct Sys7thState {
    std::string s_bet;  // numbers to bet, joined by ","
    Var i_num1;         // street partners of the last spin
    int32_t i_num2 = 0;
};

struct Sys19thAdvState {
    Var i_loses19;  // 8thAdv cycles that ran out
};

struct WaveTrackerState {
    Var i_bbet17_1 = 1, i_bbet17_2 = 1, i_bbet17_3 = 1, i_bbet17_4 = 1;
    Var i_cwin17_1 = 0, i_cwin17_2 = 0, i_cwin17_3 = 0, i_cwin17_4 = 0;
};

struct WheelNextFour {
    Var i_cycrnd1, i_cycrnd2, i_cycrnd3;
    int32_t i_cycrnd4 = 0;
};

struct SessionState : DozenCounts,
                      SpinCounters,
                      Sys2ndState,
                      Sys3rdTrendState,
                      ColumnCounts,
                      NewSpinDozenCounters,
                      EvenChanceStates,
                      Sys7thState,
                      Sys19thAdvState,
                      WaveTrackerState,
                      WheelNextFour {};

}  // namespace state
