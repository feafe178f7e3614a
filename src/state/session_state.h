// Everything that lives between spins, one plain struct per system group. Field names are unique
// across groups, so SessionState inherits them all and code reads `st.l_general_cnt`; a group can
// still be put back to its start values on its own: `static_cast<Sys2ndState&>(st) = {}`.
// Default member initialisers are the start values the main window's load sets.
#pragma once

#include <cstdint>

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

struct SessionState : DozenCounts,
                      SpinCounters,
                      Sys2ndState,
                      Sys3rdTrendState,
                      ColumnCounts,
                      NewSpinDozenCounters {};

}  // namespace state
