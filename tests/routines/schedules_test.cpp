#include "routines/schedules.h"

#include <gtest/gtest.h>

using namespace routines;

TEST(Schedules, StakeByPlaceFromStart160) {
    using enum AdvSchedule;
    struct C { AdvSchedule sch; int64_t count; int stake; };
    const C cases[] = {{M90, 160, 1},   {M90, 180, 2},   {M90, 249, 11}, {M90, 250, 0},   {M90, 159, 1},
                       {M90, 158, 0},   {S90, 192, 1},   {S90, 193, 2},  {S90, 249, 7},   {S90, 251, 0},
                       {ES141, 300, 32}, {ES141, 301, 0}, {ES141, 250, 8}, {ES141, 268, 14}, {None, 160, 0}};
    for (const auto& c : cases) EXPECT_EQ(f_prog8thADV(160, c.count, c.sch).stake, c.stake) << c.count;
    // Starts beyond the old 16-bit range still count; absurd ones stake nothing.
    EXPECT_EQ(f_prog8thADV(40000, 40020, M90).stake, 2);
    EXPECT_EQ(f_prog8thADV(INT64_MIN, INT64_MAX, S90).stake, 0);
}

TEST(Schedules, S90RestartsItsCycle) {
    const auto restart = f_prog8thADV(160, 250, AdvSchedule::S90);
    EXPECT_EQ(restart.stake, 1);
    EXPECT_EQ(restart.nextStart, 250);
    EXPECT_EQ(f_prog8thADV(250, 250, AdvSchedule::S90).stake, 1);
    EXPECT_FALSE(f_prog8thADV(160, 250, AdvSchedule::M90).nextStart);
}

TEST(Schedules, CountDownAndOldSchedule) {
    using enum AdvSchedule;
    EXPECT_EQ(f_prog8thADVcdown(160, 160, M90), 90);
    EXPECT_EQ(f_prog8thADVcdown(160, 249, M90), 1);
    EXPECT_EQ(f_prog8thADVcdown(160, 250, M90), 0);
    EXPECT_EQ(f_prog8thADVcdown(160, 160, ES141), 141);
    EXPECT_EQ(f_prog8thADVcdown(160, 160, None), 141);
    for (auto [count, stake] : {std::pair{99, 0}, {100, 2}, {121, 3}, {160, 8}, {161, 0}})
        EXPECT_EQ(f_prog60(100, count), stake) << count;
}
