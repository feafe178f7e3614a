// The single-zero wheel: the order of its pockets and the eighteen fixed opposite pairs.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

class Session;

namespace routines {

// The 37 pockets clockwise from zero.
inline constexpr std::array<int, 37> WheelOrder = {
    0,  32, 15, 19, 4,  21, 2,  25, 17, 34, 6,  27, 13, 36, 11, 30, 8,  23, 10,
    5,  24, 16, 33, 1,  20, 14, 31, 9,  22, 18, 29, 7,  28, 12, 35, 3,  26};

// Pair k (1..17) joins wheel positions k and k + 17; pair 18 the last two pockets.
inline constexpr std::array<std::array<int, 2>, 18> OppositePairs = {{
    {32, 10}, {15, 5},  {19, 24}, {4, 16},  {21, 33}, {2, 1},   {25, 20}, {17, 14}, {34, 31},
    {6, 9},   {27, 22}, {13, 18}, {36, 29}, {11, 7},  {30, 28}, {8, 12},  {23, 35}, {26, 3},
}};

// Four numbers that go with each number 0..36, row by row.
inline constexpr std::array<std::array<int, 4>, 37> CycleRoundExperience = {{
    {10, 20, 30, 0}, {36, 21, 11, 1}, {8, 22, 12, 2},   {23, 5, 35, 3},   {6, 24, 14, 4},
    {25, 3, 15, 5},  {4, 26, 16, 6},  {27, 5, 3, 7},    {2, 28, 18, 8},   {19, 29, 7, 9},
    {0, 20, 30, 20}, {22, 33, 21, 11}, {21, 32, 1, 12}, {31, 33, 15, 13}, {16, 25, 34, 14},
    {35, 13, 25, 15}, {14, 36, 18, 16}, {20, 27, 7, 17}, {8, 28, 10, 18}, {9, 19, 29, 21},
    {17, 0, 10, 20}, {12, 1, 11, 21}, {11, 2, 29, 22}, {32, 3, 13, 23},  {4, 27, 23, 24},
    {5, 35, 14, 25}, {6, 26, 4, 16},  {7, 24, 17, 27},  {8, 2, 18, 28},   {22, 9, 19, 29},
    {0, 20, 10, 30}, {13, 11, 21, 31}, {23, 12, 26, 32}, {3, 22, 11, 33}, {4, 14, 24, 34},
    {3, 15, 5, 35},  {1, 16, 25, 36},
}};

// Position 0..36 of a pocket on the wheel; nullopt for anything that is not a pocket.
std::optional<int> wheelPosition(int64_t n);

// Pair 1..18 of a number in OppositePairs; 0 for zero and anything outside 1..36.
int oppositePairIndex(int64_t n);

// The other number of n's pair; 0 for zero and anything outside 1..36.
int f_select1nbFromAnother1(int64_t i0);

// The four pockets after i0 clockwise; nullopt outside 0..36.
std::optional<std::array<int, 4>> f_4nbCycleRound(int64_t i0);

// i0's row of CycleRoundExperience; nullopt outside 0..36.
std::optional<std::array<int, 4>> f_4nbCycleRoundExperience(int64_t i0);

// The four numbers into i_cycrnd1..4; nothing outside 0..36.
void f_4nbCycleRound(Session& s, int64_t i0);
void f_4nbCycleRoundExperience(Session& s, int64_t i0);

}  // namespace routines
