// State of the TCh board: its sleeper rows, named by field prefix and row suffix
// (l_cwin220 is the cumulative win of row "5,15,25,35"). Default member initialisers are the
// start values; a sleep counter that starts "not set" is a Var.
#pragma once

#include <array>
#include <cstdint>

#include "forms/convert.h"

namespace state {

using forms::Var;

struct TchBoardState {
    // Finals and doubles rows: cwin, cwMin, bb, step, bbMx, cntW, cntL, sleepCounter.
    int64_t l_cwin220 = 0, l_mincw220 = 0, i_bbet220 = 1, i_cnt220 = 0, i_bbmax220 = 0, l_cntw220 = 0, l_cntl220 = 0;
    Var i_cntnon220;
    int64_t l_cwin222 = 0, l_mincw222 = 0, i_bbet222 = 1, i_cnt222 = 0, i_bbmax222 = 0, l_cntw222 = 0, l_cntl222 = 0;
    Var i_cntnon222;
    int64_t l_cwin223 = 0, l_mincw223 = 0, i_bbet223 = 1, i_cnt223 = 0, i_bbmax223 = 0, l_cntw223 = 0, l_cntl223 = 0;
    Var i_cntnon223;
    int64_t l_cwin224 = 0, l_mincw224 = 0, i_bbet224 = 1, i_cnt224 = 0, i_bbmax224 = 0, l_cntw224 = 0, l_cntl224 = 0;
    Var i_cntnon224;
    int64_t l_cwin225 = 0, l_mincw225 = 0, i_bbet225 = 1, i_cnt225 = 0, i_bbmax225 = 0, l_cntw225 = 0, l_cntl225 = 0;
    Var i_cntnon225;
    int64_t l_cwin229 = 0, l_mincw229 = 0, i_bbet229 = 1, i_cnt229 = 0, i_bbmax229 = 0, l_cntw229 = 0, l_cntl229 = 0;
    Var i_cntnon229;
    int64_t l_cwin2214 = 0, l_mincw2214 = 0, i_bbet2214 = 1, i_cnt2214 = 0, i_bbmax2214 = 0, l_cntw2214 = 0,
            l_cntl2214 = 0;
    Var i_cntnon2214;
    int64_t l_cwin2215 = 0, l_mincw2215 = 0, i_bbet2215 = 1, i_cnt2215 = 0, i_bbmax2215 = 0, l_cntw2215 = 0,
            l_cntl2215 = 0;
    Var i_cntnon2215;
    int64_t l_cwin2216 = 0, l_mincw2216 = 0, i_bbet2216 = 1, i_cnt2216 = 0, i_bbmax2216 = 0, l_cntw2216 = 0,
            l_cntl2216 = 0;
    Var i_cntnon2216;
    int64_t l_cwin2217 = 0, l_mincw2217 = 0, i_bbet2217 = 1, i_cnt2217 = 100, i_bbmax2217 = 0, l_cntw2217 = 0,
            l_cntl2217 = 0;
    Var i_cntnon2217;
    // Row "7,17,27" keeps its sleep counter as a plain number that starts at 0.
    int64_t l_cwin2218 = 0, i_bbet2218 = 1, l_cntw2218 = 0;
    int64_t l_mincw2218 = 0, i_cnt2218 = 100, i_bbmax2218 = 0, l_cntl2218 = 0, i_cntnon2218 = 0;

    // Derived-number rows 6, 7, 8: step 100 is idle; b_b is set by a hit for the rest of the spin.
    int64_t l_cwin226 = 0, l_mincw226 = 0, i_bbet226 = 1, i_cnt226 = 100, i_bbmax226 = 0, l_cntw226 = 0, l_cntl226 = 0;
    int64_t l_cwin227 = 0, l_mincw227 = 0, i_bbet227 = 1, i_cnt227 = 100, i_bbmax227 = 0, l_cntw227 = 0, l_cntl227 = 0;
    int64_t l_cwin228 = 0, l_mincw228 = 0, i_bbet228 = 1, i_cnt228 = 100, i_bbmax228 = 0, l_cntw228 = 0, l_cntl228 = 0;
    bool b_b226 = false, b_b227 = false, b_b228 = false;
    // Idle rows: the step 100 alone cannot tell idle from a long run once a limit passes 100.
    bool b_idle226 = true, b_idle227 = true, b_idle228 = true;
    int64_t no61 = -1, no62 = -1;
    Var no63;
    int64_t no7 = -1, no8 = -1;
    int64_t no81 = -1, no82 = -1, no83 = -1;
    Var no84;
    int64_t i_cnt227_1 = 0;
    int64_t i_cntlos2208 = 0;

    // Two-number alternation rows 10, 11, 12 and the switch row.
    int64_t l_cwin2210 = 0, l_mincw2210 = 0, i_bbet2210 = 1, i_cnt2210 = 100, i_bbmax2210 = 0, l_cntw2210 = 0,
            l_cntl2210 = 0, i_cntlos2210 = 0;
    int64_t l_cwin2211 = 0, l_mincw2211 = 0, i_bbet2211 = 1, i_cnt2211 = 100, i_bbmax2211 = 0, l_cntw2211 = 0,
            l_cntl2211 = 0, i_cntlos2211 = 0;
    int64_t l_cwin2212 = 0, l_mincw2212 = 0, i_bbet2212 = 1, i_cnt2212 = 0, i_bbmax2212 = 0, l_cntw2212 = 0,
            l_cntl2212 = 0, i_cntlos2212 = 0;
    int64_t i_bbet2213 = 1, i_cnt2213 = 0;

    // Gap rows N-X-N (blocks 20, 28 to 31): cwin, cwMin, bb, bbMx, count, countMax, betting.
    int64_t GapRow77Cwin = 0;
    int64_t l_cwin30min = 0, i_bbet30 = 1, i_bbet30max = 0, i_prgcnt30 = 0;
    Var i_prgcnt30max;
    bool b_pattern30 = false;
    int64_t l_cwin301 = 0, l_cwin301min = 0, i_bbet301 = 1, i_bbet301max = 0, i_prgcnt301 = 0;
    Var i_prgcnt301max;
    bool b_pattern301 = false;
    int64_t l_cwin302 = 0, l_cwin302min = 0, i_bbet302 = 1, i_bbet302max = 0, i_prgcnt302 = 0;
    Var i_prgcnt302max;
    bool b_pattern302 = false;
    int64_t l_cwin303 = 0, l_cwin303min = 0, i_bbet303 = 1, i_bbet303max = 0, i_prgcnt303 = 0;
    Var i_prgcnt303max;
    bool b_pattern303 = false;
    int64_t l_cwin304 = 0, i_bbet304 = 1, i_bbet304max = 0, i_prgcnt304 = 0;
    int64_t l_cwin304min = 0, i_prgcnt304max = 0;
    bool b_pattern304 = false;

    // Wheel-sector row 1 ("22,29"); rows 2 to 7 use index r - 1 of the six tables below.
    int64_t l_cwin2219 = 0, l_mincw2219 = 0, i_bbet2219 = 1, i_bbmax2219 = 0, i_cnt2219 = 0;
    Var i_cntnon2219;
    bool b_b2219 = false;
    // Indexed 1 to 12 (entry 0 unused).
    std::array<int64_t, 13> SectorCwin{};
    std::array<int64_t, 13> SectorCwMin{};
    std::array<int64_t, 13> SectorBb{0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    std::array<int64_t, 13> SectorBbMx{};
    std::array<int64_t, 13> SectorStep{};
    std::array<int64_t, 13> SectorSleep{};

    // Longest sleep per row with a "Rounds" box: slots 0-10 standard rows, 11-17 sector rows.
    std::array<int64_t, 18> MaxSleepTable{};
    // What the Rounds boxes show, so that a box is written only when its slot moved.
    std::array<int64_t, 18> RoundsShown{};

    // Column streak statistics.
    Var i_20th_1, i_20th_2;
    int64_t i_20th_3 = 0;
    int64_t i_20thmax_1 = 0, i_20thmax_2 = 0, i_20thmax_3 = 0;

    // The totals of the window caption, rewritten every spin.
    Var l_totcw2208;
    int64_t l_totcw2218 = 0;

    // Set at start-up; no row reads them.
    int64_t i1b = 1, i2b = 1, i3b = 1, i4b = 1, i5b = 1, i6b = 1, i7b = 1, i8b = 1;
    bool b_go1 = false, b_go2 = false, b_go3 = false;
    int64_t i_cnt22continue = 0;
};

}  // namespace state
