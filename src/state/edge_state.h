// State of the column systems, the number lists, The Edge and the street gaps. Default member
// initialisers are the start values; a field that starts "not set" is a Var.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "forms/convert.h"

namespace state {

using forms::Var;

// Street gaps and the follower counts that close every spin.
struct StreetGapState {
    int32_t i_22plcnt = 0;  // the street gap limit, taken from the "TCh" window at start-up
    std::array<int32_t, 37> FollowerCounts{};
    std::array<Var, 13> StreetGap{};  // streets 1..12
    std::array<int32_t, 13> StreetGapMax{};
};

// Column systems 1 and 2 of the "TCh" window.
struct TchColumnState {
    bool b_27col1pl = false, b_27col2pl = false, b_27col3pl = false;
    int64_t l_27cwintot = 0;
    int32_t l_27cwinsess = 0;
    int64_t i_27bbet = 1;
    int64_t i_27zikzakcnt = 0;
    int64_t i_27progcnt = 0;
    int32_t i_27progcntmax = 0;

    bool b_colstring = false;
    Var i_colstring, i_colstr1, i_colstr2;
    int32_t i_colstr3 = 0;
    int64_t l_cwcolstr27 = 0, l_cwmincolstr27 = 0;
    int64_t i_bbetcolstr27 = 1;
    int32_t i_bbetmaxcolstr27 = 0;
    std::array<int32_t, 16> ColumnStringFreq{};
};

// One- and five-number progressions and the drawn number lists of the "TCh" window.
struct TchNumberState {
    // One-number progression on the numbers not yet seen.
    int64_t i_28bbet = 1, i_28cnt = 1;
    int32_t i_28cnt2 = 0;
    int64_t l_28cwin = 0;
    int32_t l_28cwinmin = 0;
    // Entry k holds k while number k is unseen (38 once it came); index 0 unused, 37 never hit.
    std::array<int32_t, 38> NumberIdentity = identity();
    std::array<int32_t, 38>& UnseenNumbers() { return NumberIdentity; }

    // "31st" progression on the partner numbers.
    int64_t i_cnt31st = -1;
    int32_t i_cntmax31st = 0;
    int64_t i_bbet31st = 1, i_bbmax31st = 0, l_cwin31st = 0;
    int32_t l_mincw31st = 0;
    std::array<std::string, 7> PartnerList{};     // entries 1..6
    std::array<std::string, 7> PartnerBetList{};  // entries 1..6

    // Drawn number lists A, B and C.
    Var xi, yi, ni;
    int64_t i_bbet35 = 1, i_maxbbet35 = 0, l_cwin35 = 0, l_mincwin35 = 0, i_cntnon35 = 0, i_maxcntnon35 = 0;
    Var X1, X2, X3, x4, x5;
    Var Y1, Y2, Y3, y4;
    int32_t y5 = 0;
    int64_t i_cntnon35_3 = 0, i_cntWin35 = 0, i_cntLos35 = 0, i_bbet35_3 = 1;
    int32_t i_maxbbet35_3 = 0;
    int64_t l_cwin35_3 = 0;
    int32_t l_mincwin35_3 = 0;
    Var i_cntnon35_2;
    int64_t i_cnt2235 = 0;

    static std::array<int32_t, 38> identity() {
        std::array<int32_t, 38> a{};
        for (int32_t k = 1; k <= 37; ++k) a[static_cast<size_t>(k)] = k;
        return a;
    }
};

// The four seeded triple systems of The Edge.
struct SeededTripleState {
    int64_t i_cntEvEdge1 = 0, i_cntEvEdge2 = 0, i_cntEvEdge3 = 0, i_cntEvEdge4 = 0;
    int64_t i_bbetEvEdge1 = 1, i_bbetEvEdge2 = 1, i_bbetEvEdge3 = 1, i_bbetEvEdge4 = 1;
    int64_t l_cwinEvEdge1 = 0, l_cwinEvEdge2 = 0, l_cwinEvEdge3 = 0, l_cwinEvEdge4 = 0;
    int64_t l_mincwEvEdge1 = 0, l_mincwEvEdge2 = 0, l_mincwEvEdge3 = 0, l_mincwEvEdge4 = 0;
    int64_t i_bbmaxEvEdge1 = 0, i_bbmaxEvEdge2 = 0, i_bbmaxEvEdge3 = 0, i_bbmaxEvEdge4 = 0;
    int64_t l_cntwEvEdge1 = 0, l_cntwEvEdge2 = 0, l_cntwEvEdge3 = 0, l_cntwEvEdge4 = 0;
    int64_t l_cntlEvEdge1 = 0, l_cntlEvEdge2 = 0, l_cntlEvEdge3 = 0, l_cntlEvEdge4 = 0;
    Var i_num1Evedge1, i_num1Evedge2, i_num2Evedge1, i_num2Evedge2, i_num3Evedge1, i_num3Evedge2;
    int32_t i_num1Evedge3 = 0, i_num2Evedge3 = 0, i_num3Evedge3 = 0;
};

// The Edge gap board, its progressions and the multiples and pivot figures.
struct EdgeBoardState {
    std::array<int32_t, 21> EdgeSleepPairs{};     // pairs 1..18
    std::array<int32_t, 7> EdgeSleepSixLines{};   // 0..5
    std::array<int32_t, 13> EdgeSleepStreets{};   // 0..11
    std::array<int32_t, 4> EdgeSleepDozens{};     // 0..2
    std::array<int32_t, 11> EdgeSleepFinals{};    // last digit 0..9
    std::array<int32_t, 38> EdgeSleepSingles{};   // 0..36
    int32_t EdgeMaxPairs = 0, EdgeMaxSixLines = 0, EdgeMaxStreets = 0, EdgeMaxDozens = 0, EdgeMaxSingles = 0;
    std::array<int32_t, 2> EdgeMaxFinals{};  // digits 0-6, digits 7-9
    std::array<int32_t, 6> EdgeProgStep{};
    std::array<int32_t, 7> EdgeSleepMultiples{};
    int32_t EdgeMaxMultiples = 0;
    int64_t PivotLineActive = 0;
    int32_t PivotLineCount = 0;
    int64_t PivotSucc = 0;
    int32_t PivotNsucc = 0, PivotMxNs = 0;
};

// The four numbers of the wheel-table routines that nothing calls.
struct WheelNextFour {
    Var i_cycrnd1, i_cycrnd2, i_cycrnd3;
    int32_t i_cycrnd4 = 0;
};

}  // namespace state
