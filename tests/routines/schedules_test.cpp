#include "routines/schedules.h"

#include <gtest/gtest.h>

using namespace routines;

TEST(Schedules, StakeByPlace) {
    struct C { AdvSchedule sch; int64_t count; int stake; };
    const C cases[] = {
        {AdvSchedule::M90, 160, 1},   {AdvSchedule::M90, 180, 2},   {AdvSchedule::M90, 249, 11},
        {AdvSchedule::M90, 250, 0},   {AdvSchedule::M90, 159, 1},   {AdvSchedule::M90, 158, 0},
        {AdvSchedule::S90, 159, 1},   {AdvSchedule::S90, 192, 1},   {AdvSchedule::S90, 193, 2},
        {AdvSchedule::S90, 249, 7},   {AdvSchedule::S90, 251, 0},   {AdvSchedule::ES141, 300, 32},
        {AdvSchedule::ES141, 301, 0}, {AdvSchedule::ES141, 250, 8}, {AdvSchedule::ES141, 268, 14},
        {AdvSchedule::ES141, 158, 0}, {AdvSchedule::None, 160, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(f_prog8thADV(160, c.count, c.sch).stake, c.stake) << c.count;
}

TEST(Schedules, S90RestartsItsCycle) {
    const auto restart = f_prog8thADV(160, 250, AdvSchedule::S90);
    EXPECT_EQ(restart.stake, 1);
    EXPECT_EQ(restart.nextStart, 250);
    const auto next = f_prog8thADV(*restart.nextStart, 250, AdvSchedule::S90);
    EXPECT_EQ(next.stake, 1);
    EXPECT_FALSE(next.nextStart);
    EXPECT_FALSE(f_prog8thADV(160, 250, AdvSchedule::M90).nextStart);
}

TEST(Schedules, CountDownAndOldSchedule) {
    EXPECT_EQ(f_prog8thADVcdown(160, 160, AdvSchedule::M90), 90);
    EXPECT_EQ(f_prog8thADVcdown(160, 249, AdvSchedule::M90), 1);
    EXPECT_EQ(f_prog8thADVcdown(160, 250, AdvSchedule::M90), 0);
    EXPECT_EQ(f_prog8thADVcdown(160, 160, AdvSchedule::ES141), 141);
    EXPECT_EQ(f_prog8thADVcdown(160, 160, AdvSchedule::None), 141);
    // Five-digit starts beyond the old 16-bit range still count.
    EXPECT_EQ(f_prog8thADV(40000, 40020, AdvSchedule::M90).stake, 2);
    EXPECT_EQ(f_prog8thADV(INT64_MIN, INT64_MAX, AdvSchedule::S90).stake, 0);

    EXPECT_EQ(f_prog60(100, 99), 0);
    EXPECT_EQ(f_prog60(100, 100), 2);
    EXPECT_EQ(f_prog60(100, 121), 3);
    EXPECT_EQ(f_prog60(100, 160), 8);
    EXPECT_EQ(f_prog60(100, 161), 0);
}
