// State of the entry road and of the systems the first pass runs. Default member initialisers
// are the start values; a field that starts "not set" is a Var (shows "", counts as 0).
// Counters that were 16-bit are int32_t; variants holding whole numbers are int64_t.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "forms/convert.h"

namespace state {

using forms::Var;

// A list text with its split, always made together: a split is never handed on for a text other
// than the one it came from.
struct SplitText {
    std::string text;
    std::vector<std::string> items;
};

struct DozenCounts {
    Var l_ll, l_mm;
    int32_t l_hh = 0;
};

struct SpinCounters {
    Var l_general_cnt;  // not set at start: the first spin makes it 1
    int32_t l_general_cnt2 = 0;
    Var l_trend1;
};

struct NewSpinDozenCounters {
    Var l_lall = 0, l_mall = 0;
    int32_t l_hall = 0;
};

struct Sys2ndState {
    Var l_basebet = 1;
    Var l_cwin2 = 0;
    int32_t l_trend = 0;  // a plain integer: never empty, reads 0 before the first trend
};

struct ColumnCounts {
    Var l_1col = 0, l_2col = 0;
    int32_t l_3col = 0;
};

// "7th - Marosti on streets".
struct Sys7thState {
    std::string s_bet;  // numbers to bet, joined by ","
    Var i_laststreet;
    Var i_num1;         // street partners of the last spin
    int32_t i_num2 = 0;
    int64_t l_cwin3 = 0;
    int64_t l_mrbasebet = 1;
    int32_t l_betnbrs = 0;
    bool b_exit = true;
    bool b_exit2 = false;
    // Entry k: the number of accepted spin k + 1 while the system was on; -1 cleared.
    // Grows with the spin count instead of stopping at 10001 entries.
    std::vector<int32_t> StreetSpinRecord = std::vector<int32_t>(10001, 0);
};

// 8th/19th HGF: the progression, its sub-progressions and the per-number statistics.
struct HgfState {
    int32_t l_basebethgf12 = 1;  // the stake the panel shows before the first list
    int32_t l_max_basebethgf12 = 0;
    int32_t l_min_bal = 0;
    Var l_bal, l_win;
    int64_t l_bet = 0;  // 12 stakes: wider than a stake
    bool b_flaghgf12 = false;
    int32_t l_play = 0;
    bool b_hgflistshown = false;  // the progression books nothing before a twelve-number list exists
    Var l_spin_counter, l_spin_counter2;
    int32_t l_spin_counter3 = 0;

    std::array<int32_t, 37> HgfHitCount{};
    std::array<int32_t, 37> HgfGapCount{};
    std::array<double, 37> HgfValue{};
    std::array<int64_t, 37> HgfValueHundredths{};  // the same values in whole hundredths
    std::array<double, 37> HgfGapRatio{};
    std::array<bool, 38> HgfListedFlag{};
    // The values ranked by value, highest first, in hundredths (their texts would rank "9,5"
    // above "12,3").
    std::array<int64_t, 37> HgfSortKeys{};
    std::array<int32_t, 13> HgfTwelveNumbers{};
    // The numbers by value, highest first, equal values by number: kept from spin to spin, where
    // it is nearly in order already.
    std::array<int8_t, 37> HgfRankOrder = [] {
        std::array<int8_t, 37> o{};
        for (int k = 0; k < 37; ++k) o[static_cast<size_t>(k)] = static_cast<int8_t>(k);
        return o;
    }();
    // The number, sorted and ratio lists as the panel showed them when this spin's first pass
    // loaded them, before its HGF block wrote: what the later passes read as the lists of the
    // spin before.
    SplitText HgfListItems;
    SplitText HgfSortedItems;
    SplitText HgfRatioItems;
    // The sorted, number and ratio lists as last written, split as they were built.
    std::array<SplitText, 3> HgfWrittenLists;
};

// "19th HGF ADV".
struct Sys19thAdvState {
    int64_t i_max19 = 0;
    Var i_cwin19, i_wins19;
    Var i_loses19;  // 8thAdv cycles that ran out
    int32_t b19 = 0;
    std::array<int32_t, 37> AdvNonAppear{};
    std::array<int32_t, 37> AdvStaked{};
    // What the panel shows after the last run, kept so it is not read back from the labels:
    // each number's next stake and spins left, and the average of the hits with its text and
    // whole value.
    std::array<int64_t, 37> AdvShownStake{};
    std::array<int64_t, 37> AdvShownLeft{};
    double AdvShownAvg = 0;
    std::string AdvShownAvgText = "0";
    int64_t AdvShownAvgWhole = 0;
    // The hit-count texts last read and their values: a text that has not changed is not
    // parsed again.
    std::array<std::string, 37> AdvHitTexts = [] {
        std::array<std::string, 37> t;
        t.fill("0");
        return t;
    }();
    std::array<int32_t, 37> AdvHitValues{};
};

// "9th Unique nbrs".
struct Sys9thState {
    bool b_pn = false;
    bool b_win = false;
    int32_t i_lost = 0;
    int64_t l_basebet4 = 1;
    int32_t l_cwin4 = 0;
    // Entry 0 is never used; entries 1..u hold the distinct numbers, oldest first.
    std::vector<int32_t> UniqueNumbers = std::vector<int32_t>(1, 0);
};

// Even-chance low/high doubling; l_bb takes "Multiplicator:" at start-up.
struct EvenChanceDoublingState {
    int64_t l_bb = 1;
    int64_t l_cwin5 = 0;  // 64-bit: the doubling saturates instead of overflowing
};

// "11th Sixth"; the tables are indexed by six-line, 6 for zero.
struct Sys11thState {
    bool flag11 = false;
    int32_t l_count11 = 0;
    std::array<int32_t, 7> SixLineHitCount{};
    std::array<int32_t, 7> SixLineGapCount{};
    std::array<double, 7> SixLineValue{};
};

// 12th FAST, first-pass part.
struct Sys12thState {
    int32_t i_fassnbrs28 = 0;
    Var l_cwinfast;
    int64_t l_cwinpartial = 0;
    std::array<int32_t, 12> Sys12thSkipWindow{};
    std::array<int32_t, 28> Sys12thHistorySkips{};
};

// 13th Fibonacci numbers.
struct Sys13thState {
    int32_t i_bbetfibo = 0;
    int64_t l_cwinfibo = 0;
    int32_t l_fibononcnt = 0;
    int32_t l_fibocnt = 0;
    int64_t l_maxcwin = 0;
    bool b_fiboflag = false;
    bool b_fiboflag2 = false;
    std::array<int32_t, 8> FiboNumbers{};
};

// "14th Dorvik doz.".
struct Sys14thState {
    std::string ss_1, ss_2, ss_3, ss_4, ss_5;
    int32_t i_status = 2;  // no pair shown yet
    bool b_dvflag = false;
    int64_t l_cwinsession = 0;
    int64_t i_bbet = 1;
    int32_t l_cwinall = 0;
    // Cancellation list: index 0 unused, entries 1..n (n odd); a fresh session holds {1}.
    std::vector<int64_t> i_list14 = {0, 1};
};

// "15th Shotwell": one field of each kind per group 1..6; the variants start not set.
struct Sys15thState {
    int32_t l_1cnt = 0, l_2cnt = 0, l_3cnt = 0, l_4cnt = 0, l_5cnt = 0, l_6cnt = 0;
    Var l_C1cnt, l_C2cnt, l_C3cnt, l_C4cnt, l_C5cnt;
    int32_t l_C6cnt = 0;
    Var l_Ca1cnt, l_Ca2cnt, l_Ca3cnt, l_Ca4cnt, l_Ca5cnt;
    int32_t l_Ca6cnt = 0;
    Var l_Avg1cnt, l_Avg2cnt, l_Avg3cnt, l_Avg4cnt, l_Avg5cnt;
    double l_Avg6cnt = 0;  // a decimal average like the other five
    Var l_Max1cnt, l_Max2cnt, l_Max3cnt, l_Max4cnt, l_Max5cnt;
    int32_t l_Max6cnt = 0;
    bool b_flag1 = false, b_flag2 = false, b_flag3 = false, b_flag4 = false, b_flag5 = false, b_flag6 = false;
};

// "16th Cycle 1Dozen" and the dozen non-appearance alarm.
struct Sys16thState {
    bool b_betL = false, b_betM = false, b_betH = false;
    double l_lperc = 0, l_mperc = 0;
    int32_t l_hperc = 0;
    bool sharesShown = false;  // the three "% All" boxes show l_lperc, l_mperc and l_hperc
    int64_t i_bet16 = 4;
    bool b_cycleBet = false;
    int64_t i_wincnt16 = 0;
    Var i_cntplay16, i_cntplay16c;
    int64_t i_cwin16 = 0;
    int64_t i_cwinmin16 = 0;
    int64_t i_cwinmax16 = 0;
    int64_t l_culcwin16 = 0;
    bool b_betL3 = false, b_betM3 = false, b_betH3 = false;
};

}  // namespace state
