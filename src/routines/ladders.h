// Stake ladders: pure functions from a count (a losing run, a progression step, spins since a
// start) to a stake in whole units. Counts are 64-bit so that no caller's counter can overflow
// them; a count far off a ladder simply gets the ladder's "any other count" value.
#pragma once

#include <cstdint>
#include <iterator>
#include <span>

#include "forms/amounts.h"

namespace routines {

// Counts lo..hi give stake.
struct Band {
    int64_t lo;
    int64_t hi;
    int stake;
};

struct Ladder {
    std::span<const Band> bands;
    int other;      // stake of every count no band holds
    bool absolute;  // a losing run kept as -n stakes like n
};

// The stake of the first band holding count, else the ladder's other value.
constexpr int bandStake(std::span<const Band> bands, int64_t count, int other) {
    for (const Band& b : bands)
        if (count >= b.lo && count <= b.hi) return b.stake;
    return other;
}

constexpr int ladderStake(const Ladder& l, int64_t count) {
    if (l.absolute && count < 0) count = forms::satNeg(count);  // the lowest count lands beyond every band
    return bandStake(l.bands, count, l.other);
}

// The tables, exactly as the system has always used them.
inline constexpr Band k1nbProgCw87[] = {{0, 35, 1},  {36, 53, 2}, {54, 65, 3}, {66, 74, 4},
                                        {75, 81, 5}, {82, 87, 6}, {88, 90, 7}, {91, 94, 8},
                                        {95, 97, 9}, {98, 100, 10}};
inline constexpr Band k2nbProg60[] = {
    {0, 17, 1},  {18, 26, 2},  {27, 32, 3},  {33, 36, 4},  {37, 40, 5},  {41, 43, 6},
    {44, 45, 7}, {46, 47, 8},  {48, 49, 9},  {50, 51, 10}, {52, 53, 11}, {54, 54, 12},
    {55, 55, 13}, {56, 56, 14}, {57, 57, 15}, {58, 58, 16}, {59, 59, 17}, {60, 60, 18},
    {61, 61, 19}, {62, 62, 20}, {63, 63, 21}, {64, 64, 23}, {65, 65, 24}, {66, 66, 25},
    {67, 67, 27}, {68, 68, 28}, {69, 69, 30}, {70, 70, 32}};
inline constexpr Band k3nbProg30[] = {
    {0, 11, 1},  {12, 17, 2},  {18, 21, 3},  {22, 24, 4},  {25, 26, 5},  {27, 28, 6},
    {29, 29, 7}, {30, 30, 8},  {31, 31, 9},  {32, 32, 10}, {33, 33, 11}, {34, 34, 12},
    {35, 35, 14}, {36, 36, 16}, {37, 37, 18}, {38, 38, 20}, {39, 39, 22}, {40, 40, 24},
    {41, 41, 27}, {42, 42, 30}, {43, 43, 33}, {44, 44, 37}, {45, 45, 42}};
inline constexpr Band k3to5nbProg40[] = {{0, 11, 1},  {12, 17, 2}, {18, 21, 3},
                                         {22, 24, 4}, {25, 26, 5}, {27, 27, 6},
                                         {28, 28, 7}, {29, 29, 8}, {30, 30, 9}};
inline constexpr Band k4nbProg40[] = {
    {0, 8, 1},   {9, 12, 2},   {13, 15, 3},  {16, 17, 4},  {18, 19, 5},  {20, 20, 6},
    {21, 21, 7}, {22, 22, 8},  {23, 23, 9},  {24, 24, 10}, {25, 25, 11}, {26, 26, 12},
    {27, 27, 14}, {28, 28, 16}, {29, 29, 18}, {30, 30, 20}, {31, 31, 22}, {32, 32, 25},
    {33, 33, 28}, {34, 34, 31}, {35, 35, 35}, {36, 36, 39}, {37, 37, 45}, {38, 38, 50}};
inline constexpr Band k5nbProg29[] = {
    {8, 10, 2},  {11, 12, 3},  {13, 14, 4},  {15, 15, 5},  {16, 16, 6},  {17, 17, 7},
    {18, 18, 8}, {19, 19, 9},  {20, 20, 10}, {21, 21, 12}, {22, 22, 14}, {23, 23, 16},
    {24, 24, 19}, {25, 25, 22}, {26, 26, 25}, {27, 27, 29}, {28, 28, 34}, {29, 29, 40}};
// Count 21 had no stake of its own; 25 sits between its neighbours 21 and 30.
inline constexpr Band k6nbHalfBet[] = {
    {1, 5, 1},    {6, 8, 2},    {9, 10, 3},   {11, 11, 4},  {12, 12, 5},  {13, 13, 6},
    {14, 14, 7},  {15, 15, 8},  {16, 16, 10}, {17, 17, 12}, {18, 18, 14}, {19, 19, 17},
    {20, 20, 21}, {21, 21, 25}, {22, 22, 30}, {23, 23, 36}, {24, 24, 43}, {25, 25, 50}};
inline constexpr Band k12nb[] = {{1, 2, 1}, {3, 3, 2},  {4, 4, 3},  {5, 5, 4},  {6, 6, 6},
                                 {7, 7, 9}, {8, 8, 14}, {9, 9, 21}, {10, 10, 32}};
inline constexpr Band k1colProg10rn[] = {{3, 3, 2}, {4, 4, 3}, {5, 5, 4},
                                         {6, 6, 6}, {7, 7, 9}, {8, 8, 14}};
inline constexpr Band k1streetProg32[] = {{12, 17, 2}, {18, 21, 3}, {22, 24, 4}, {25, 26, 5},
                                          {27, 28, 6}, {29, 30, 7}, {31, 31, 8}, {32, 32, 9}};
inline constexpr Band k5nbProg29plus10[] = {
    {0, 10, 0},   {11, 17, 1},  {18, 20, 2},  {21, 23, 3},  {24, 25, 4},
    {26, 26, 5},  {27, 27, 6},  {28, 28, 7},  {29, 29, 8},  {30, 30, 9},
    {31, 31, 10}, {32, 32, 12}, {33, 33, 14}, {34, 34, 16}, {35, 35, 19}};
inline constexpr Band k3nbZerospiel[] = {{1, 2, 2}};

inline constexpr Ladder Ladder1nbCw87{k1nbProgCw87, 0, true};
inline constexpr Ladder Ladder2nb60{k2nbProg60, 0, false};
inline constexpr Ladder Ladder3nb30{k3nbProg30, 0, false};
inline constexpr Ladder Ladder3to5nb40{k3to5nbProg40, 0, false};
inline constexpr Ladder Ladder4nb40{k4nbProg40, 0, false};
inline constexpr Ladder Ladder5nb29{k5nbProg29, 1, false};
inline constexpr Ladder Ladder6nbHalf{k6nbHalfBet, 1, true};
inline constexpr Ladder Ladder12nb{k12nb, 0, true};
inline constexpr Ladder Ladder1col10rn{k1colProg10rn, 1, true};
inline constexpr Ladder Ladder1street32{k1streetProg32, 1, true};
inline constexpr Ladder Ladder5nb29plus10{k5nbProg29plus10, 1, false};
inline constexpr Ladder Ladder3nbZerospiel{k3nbZerospiel, 1, true};

// Which ladder serves a bet on how many numbers.
enum class LadderSize { One, Two, Three, ThreeToFive, Four, Five, Six, Twelve, Column };
const Ladder& ladderBySize(LadderSize size);

// Next rung of the 13th system's stake after bbet; the first two rungs also wait for the
// cumulative win to fall. 99 = off the ladder or past its top.
int fibobet(int64_t bbet, int64_t cwin);
inline constexpr int FiboLadder[] = {1, 2, 3, 4, 5, 6, 8, 10, 13, 17, 22, 28};
inline constexpr int FiboOff = 99;

int f_1nbprogCw87(int64_t i0);
int f_2nbprog60(int64_t i0);
// The form the callers were written against: the first argument is not used.
inline int f_2nbprog60(int64_t /*i1*/, int64_t i0) { return f_2nbprog60(i0); }
int f_3nbprog30(int64_t i0);
int f_3to5nbprog40(int64_t i0);
int f_4nbprog40(int64_t i0);
int f_5nbprog29(int64_t i0);
int f_6nbhalfbet(int64_t i0);
int f_12nb(int64_t i0);
int f_1colprog10rn(int64_t i0);
// A column string's length as its frequency class: 1..12 itself, everything else 13.
int f_colstrFreq(int64_t i0);
int f_1streetprog32(int64_t i0);
int f_5nbprog29plus10(int64_t i0);
int f_3nbZerospiel(int64_t i0);

}  // namespace routines
