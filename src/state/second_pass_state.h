// State of the systems the second pass runs. Default member initialisers are the start values;
// a field that starts "not set" is a Var (shows "", counts as 0).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "forms/convert.h"

namespace state {

using forms::Var;

// "1st - 2D 12slp vs 24 hit".
struct Sys1stState {
    std::string s_1, s_2, s_3;
    int64_t l_cwin1 = 0;
    int64_t l_bbet1 = 1;
};

// Trend part of "3rd - 1D 11cycle progress".
struct Sys3rdTrendState {
    Var l_ll2, l_mm2;
    int32_t l_hh2 = 0;
    bool b_trend = false;
};

// "5th - 1:1 No repeats", 0 idle, 1 armed, 2 repeat; the pass sets each pair to 0 before its
// tracker runs.
struct EvenChanceStates {
    Var l_red, l_black, l_odd, l_even, l_high;
    int32_t l_low = 0;
};

// "17th Waves".
struct WaveTrackerState {
    Var i_bbet17_1 = 1, i_bbet17_2 = 1, i_bbet17_3 = 1, i_bbet17_4 = 1;
    Var i_cwin17_1 = 0, i_cwin17_2 = 0, i_cwin17_3 = 0, i_cwin17_4 = 0;
    int64_t i_ccwin17 = 0;
    int64_t i_minccwin17 = 0;
    int32_t i_spincnt17 = 1;
    int32_t i_allspins17 = 1;
    int64_t l_ccwin17all = 0;
};

// 18th colour patterns.
struct Sys18thState {
    int64_t i_18string = 1, i_18zig = 1;
    int64_t i_18maxlenstring = 0, i_18maxlenzig = 0;
    int32_t i_18cntallstring = 0;
    int64_t i_18cntallzig = 0;
    int64_t i_18lastnonstring = 0, i_18lastnonzig = 0;
    int64_t l_18thbbet = 3;
    int64_t l_cwin18 = 0;
    bool b_fwin = false;
    bool b_go = false;
    std::vector<int64_t> l_18thlist;  // the progression, first element first; empty at start
};

// "2NB prog", switched by the main window's "2NB prog" label.
struct TwoNumberProgState {
    int32_t i_2nbvalue = 0;
    int64_t i_2nbcnt = 0;
    int64_t l_cw2nb = 0;
    bool b_2nb = false;
};

// "21st NICHE": four wheel sectors and a side bet.
struct Niche21State {
    Var nonapp21st;
    int64_t napp2 = 0, napp3 = 0, napp4 = 0;
    int64_t i_maxnapp21st = 0, i_maxnapp21st2 = 0, i_maxnapp21st3 = 0, i_maxnapp21st4 = 0;
    int64_t l_cwin21st = 0, l_cwin21st22 = 0, l_cwin21st3 = 0, l_cwin21st4 = 0;
    int64_t l_mincwin21st = 0, l_mincwin21st2 = 0, l_mincwin21st3 = 0, l_mincwin21st4 = 0;
    int64_t i_bbet21st = 1, i_bbet21st22 = 1, i_bbet21st3 = 1, i_bbet21st4 = 1;
    int64_t i_multipl21 = 0, i_multipl212 = 0, i_multipl213 = 0, i_multipl214 = 0;
    int64_t i_cycle21 = 0, i_cycle212 = 0, i_cycle213 = 0, i_cycle214 = 0;
    int64_t l_totalcwin21 = 0;
    double d_avgMx21 = 0.0;
    int64_t l_cwin21st2 = 0;
    int64_t i_bbet21st2 = 5;
};

// The four arcs of the wheel that the NICHE sectors use; start-up fills them.
struct WheelSectorTables {
    std::array<int32_t, 9> WheelSectorA{};
    std::array<int32_t, 9> WheelSectorB{};
    std::array<int32_t, 9> WheelSectorC{};
    std::array<int32_t, 10> WheelSectorD{};
};

// 22nd: three-number runs after a trigger number, two instances.
struct Sys22ndState {
    int64_t i_bbet22 = 1, i_bbet221 = 1;
    int32_t i_cnt22 = 100, i_cnt221 = 100;
    int64_t l_mincw22 = 0, l_mincw221 = 0;
    int64_t l_cwin22 = 0, l_cwin221 = 0;
    bool b_b22 = false, b_b221 = false;
};

// "23rd Neuron net": six accounts on pairs of doubles; the 1133/1122/2233 set is never used.
struct Neuron23State {
    int64_t i_3311 = 0, i_3322 = 0, i_2211 = 0, i_3333 = 0, i_2222 = 0, i_1111 = 0;
    Var i_cw3311, i_cw3322, i_cw2211, i_cw3333, i_cw2222, i_cw1111;
    Var i_1133, i_1122, i_2233, i_cw1133, i_cw1122, i_cw2233;
    Var l_totcw23;
    int64_t l_min_totcw23 = 0;
    int64_t i_bb23 = 1;
    int64_t i_max_bb23 = 0;
};

// "24th Inverse gold ratio - trend system"; i_2nb is the number "2NB prog" shares with it.
struct Sys24thState {
    double d_grat = 0.0;
    Var l_cw24;
    int64_t i_bb24 = 1;
    int32_t l_min_cw24 = 0;
    bool b_cwminus = false;
    int64_t i_max_bb24 = 0;
    int64_t i_1nb = -1, i_2nb = -1;
    std::vector<Var> IgBetNumbers = {Var(-2)};  // the numbers to bet, then the end mark -2
    std::array<double, 37> IgScore{};
    std::array<double, 37> IgScoreSorted{};
    // Derived, kept between spins to save work: the numbers in the order of the last ranking
    // (any order is correct, a near one is cheap to sort), and the sorted scores' text as last
    // written with the scores it was built from.
    std::array<int8_t, 37> IgOrder = [] {
        std::array<int8_t, 37> a{};
        for (int8_t n = 0; n <= 36; ++n) a[static_cast<size_t>(n)] = n;
        return a;
    }();
    std::array<double, 37> IgShownScores{};
};

// "25th Twins", two instances; a step of -1 means idle.
struct Twins25State {
    int64_t i_25cntplay = -1, i_25nb = -1, i_25bbet = 0, i_cw25 = 0;
    int32_t i_mincw25 = 0;
    int64_t i_25cntplay2 = -1, i_25nb2 = -1, i_25bbet2 = 0, i_cw252 = 0;
    int32_t i_mincw252 = 0;
};

// 12th Fast panel of the second pass, with parts of the 24th and 25th systems.
struct Sys12thPanelState {
    int64_t mn25 = -1, mx25 = -1, i_1neib = -1, i_2neib = -1, i_street251 = -1, i_street252 = -1, no6 = -1;
    bool b_25_34 = false, b_25pot = false, b_25pot7 = false, b_4 = false;
    int64_t i_cnt25_34 = 0;
    int64_t i_pot5 = 0, i_pot15 = 0, i_pot25 = 0, i_pot35 = 0, i_pot11 = 0, i_pot22 = 0, i_pot33 = 0,
            i_pot10 = 0, i_pot20 = 0, i_pot30 = 0;
    Var i_pot17;
    int64_t i_pot17max = 0;
    Var i_pot7;
    int32_t i_pot7max = 0;
    Var i_4;
    int64_t i_4max = 0;
    Var i_bb_4, i_cw4;
    int64_t l_low25 = 0;
    int32_t l_high25 = 0;
    Var d_low25perc;
    double d_high25perc = 0;
    int64_t i_play25hlh = 0, i_play25hll = 0;
    int32_t i_cw25hl = 0;
    int64_t i_25wrsess = 0;
    int32_t i_25gosess = 0;
    std::array<std::string, 3> FastTripleNumbers{};
};

}  // namespace state
