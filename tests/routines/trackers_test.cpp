#include "routines/trackers.h"

#include <gtest/gtest.h>

#include "forms/amounts.h"
#include "routines/classify.h"
#include "routines/waves.h"
#include "routines/win16.h"

using namespace routines;

TEST(EvenChanceTrackers, ShortHistories) {
    struct C { EvenChancePair before; int r3, r2, r1; EvenChancePair after; };
    const C colourCases[] = {
        {{0, 0}, 7, 9, 12, {0, 0}},  // third red clears the repeat
        {{0, 0}, 8, 9, 12, {2, 0}},  // black, red, red: a repeat
        {{0, 0}, 1, 2, 3, {0, 1}},   // alternation arms black
        {{1, 0}, 2, 1, 3, {2, 0}},   // colours of rows 2 and 3 differ: the repeat stands
        {{0, 1}, 2, 1, 4, {1, 2}},
        {{1, 1}, 5, 9, 0, {1, 1}},   // a new zero changes nothing in step 2
        {{0, 0}, 0, 8, 9, {0, 1}},   // a zero in row 3 stops the alternation rule
    };
    // The history paints each row by its colour.
    for (const auto& c : colourCases)
        EXPECT_EQ(br_check(c.before, c.r2, c.r1, c.r3, colourClass(c.r2) == colourClass(c.r3)), c.after)
            << c.r3 << "," << c.r2 << "," << c.r1;
    EXPECT_EQ(hl_check({0, 1}, 5, 30, 20), (EvenChancePair{1, 0}));
    EXPECT_EQ(hl_check({0, 0}, 5, 6, 0), (EvenChancePair{2, 0}));  // empty row 3 clears nothing
    EXPECT_EQ(oe_check({0, 0}, 3, 5, 7), (EvenChancePair{0, 0}));
    EXPECT_EQ(oe_check({0, 0}, 2, 5, 7), (EvenChancePair{0, 1}));
    EXPECT_EQ(oe_check({2, 2}, 40, -1, 0), (EvenChancePair{2, 2}));  // out of range: untouched
}

TEST(WaveTrackers, BookingAndStake) {
    for (auto [cwin, stake] : {std::pair{-12, 1}, {-13, 1}, {-100, 4}, {-290, 12}, {-50, 2}}) {
        WaveAccount w{cwin + 1, 1};
        bookWave(w, "7", true, "8");
        EXPECT_EQ(w, (WaveAccount{cwin, stake})) << cwin;
    }
    WaveAccount w{0, 3};
    EXPECT_FALSE(bookWave(w, "7", true, "7"));
    bookWave(w, "7", false, "8");  // inactive: neither a miss
    bookWave(w, "7", false, "7");  // nor a hit books
    bookWave(w, "N", true, "8");   // free
    EXPECT_EQ(w.cwin, 105);
    bookWave(w, "7", true, "07");  // text comparison: a miss
    EXPECT_EQ(w.cwin, 102);
    WaveAccount raised{-100, 1};
    EXPECT_TRUE(bookWave(raised, "7", true, "8"));
    bookWave(raised, "7", true, "7");  // back above -12: the raised stake stays
    EXPECT_EQ(raised, (WaveAccount{39, 4}));
}

TEST(WaveTrackers, ANumberThatNeverComesEndsAtTheLowestAmount) {
    // The stake follows the loss, so the loss grows by 4.3% a spin: about a thousand misses.
    WaveAccount w;
    for (int i = 0; i < 1200; ++i) {
        bookWave(w, "7", true, "8");
        ASSERT_LT(w.cwin, 0) << i;
    }
    EXPECT_EQ(w.cwin, forms::AmountMin);
    EXPECT_GT(w.bbet, 0);
}

TEST(Win16, PlacesLevelsAndPhases) {
    struct C { int nbr; const char* dozen; bool cyc; int level; int64_t unit, result; };
    const C cases[] = {
        {0, "0", false, 4, 1, 31},   {0, "0", false, 4, 2, 62},   {17, "L", false, 20, 3, 150},
        {1, "L", false, 20, 1, 41},  {2, "L", false, 20, 1, 32},  {5, "L", false, 60, 1, 150},
        {36, "H", true, 40, 5, 410}, {26, "H", true, 60, 1, 96},  {0, "0", true, 60, 2, 300},
        {5, "M", true, 4, 1, 0},     {5, "M", true, 8, 1, 0},     {5, "M", false, 10, 1, 0},
        {5, "", false, 4, 1, 0},     {37, "H", false, 4, 1, 0},   {7, "M", false, 8, 0, 0},
        {0, "0", false, 60, 1000, 150000},
    };
    for (const auto& c : cases)
        EXPECT_EQ(win16(c.nbr, c.dozen, c.cyc, c.level, c.unit), c.result) << c.nbr << c.dozen;
    int corners = 0, middles = 0;
    for (int n = 1; n <= 36; ++n) {
        corners += win16Place(n) == Win16Place::Corner;
        middles += win16Place(n) == Win16Place::Middle;
    }
    EXPECT_EQ(corners * 10 + middles, 126);
}
