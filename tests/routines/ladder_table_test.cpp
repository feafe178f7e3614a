// The table lookup must give every count the stake the band walk gives, far off the ends too.
#include <gtest/gtest.h>

#include <cstdint>

#include "routines/ladder_table.h"

namespace {

template <const routines::Ladder& L>
void expectSameStakes(const char* name) {
    for (int64_t c : {INT64_MIN, int64_t{-1000000}, int64_t{INT32_MAX}, INT64_MAX})
        EXPECT_EQ(routines::LadderTable<L>::stake(c), routines::ladderStake(L, c)) << name << " " << c;
    for (int64_t c = -120; c <= 1200; ++c)
        ASSERT_EQ(routines::LadderTable<L>::stake(c), routines::ladderStake(L, c)) << name << " " << c;
}

}  // namespace

TEST(LadderTable, EveryCountStakesAsTheBands) {
    expectSameStakes<routines::Ladder1nbCw87>("1nbCw87");
    expectSameStakes<routines::Ladder2nb60>("2nb60");
    expectSameStakes<routines::Ladder3nb30>("3nb30");
    expectSameStakes<routines::Ladder4nb40>("4nb40");
    expectSameStakes<routines::Ladder5nb29>("5nb29");
    expectSameStakes<routines::Ladder6nbHalf>("6nbHalf");
    expectSameStakes<routines::Ladder12nb>("12nb");
}
