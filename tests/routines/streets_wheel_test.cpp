#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "routines/streets.h"
#include "routines/wheel.h"

using namespace routines;

TEST(Streets, StreetOfANumber) {
    const std::pair<int64_t, int> cases[] = {{0, 0}, {1, 1}, {3, 1}, {4, 2}, {36, 12}, {40, 12}, {-4, 0}};
    for (auto [n, s] : cases) EXPECT_EQ(getstreet(n), s) << n;
}

TEST(Streets, PartnersAndLists) {
    EXPECT_EQ(findtwonbrs(12, 35), (std::pair{34, 36}));
    EXPECT_FALSE(findtwonbrs(12, 5));
    EXPECT_FALSE(findtwonbrs(0, 5));
    EXPECT_EQ(rem_twonbrs(8, "7,9,13,,8"), "13");
    EXPECT_EQ(rem_twonbrs(8, ""), "");
    EXPECT_EQ(rem_twonbrs(0, "-1,5,07"), "5,07");
    for (auto [spin, list, result] : {std::tuple{8, "13,9", 1}, {8, "8,13", 2}, {8, "", 0}, {8, "09", 2}, {0, "-1", 1}})
        EXPECT_EQ(add_twonbrs(spin, list), result) << list;
    EXPECT_EQ(marosti_add(1, ""), "2,3");
    EXPECT_EQ(marosti_add(3, "7"), "7,1,2");
    EXPECT_EQ(marosti_add(4, "7"), "7");
}

TEST(Wheel, OppositePairsFollowTheWheel) {
    for (int k = 1; k <= 17; ++k)
        EXPECT_EQ(OppositePairs[k - 1], (std::array{WheelOrder[k], WheelOrder[k + 17]})) << k;
    EXPECT_EQ(OppositePairs[17], (std::array{WheelOrder[36], WheelOrder[35]}));
    std::set<int> pockets(WheelOrder.begin(), WheelOrder.end()), paired;
    for (auto& p : OppositePairs) paired.insert(p.begin(), p.end());
    EXPECT_EQ(pockets.size(), 37u);
    EXPECT_TRUE(paired.size() == 36 && !paired.contains(0));
}

TEST(Wheel, PartnerIsAnInvolution) {
    for (int n = 1; n <= 36; ++n) {
        EXPECT_NE(f_select1nbFromAnother1(n), n);
        EXPECT_EQ(f_select1nbFromAnother1(f_select1nbFromAnother1(n)), n) << n;
    }
    for (int n : {0, 37, -5}) EXPECT_EQ(f_select1nbFromAnother1(n), 0);
    EXPECT_EQ(f_select1nbFromAnother1(3), 26);
    EXPECT_EQ(oppositePairIndex(3), 18);
}

TEST(Wheel, NextFour) {
    EXPECT_EQ(f_4nbCycleRound(26), (std::array{0, 32, 15, 19}));
    EXPECT_EQ(f_4nbCycleRound(3), (std::array{26, 0, 32, 15}));
    EXPECT_FALSE(f_4nbCycleRound(37));
    EXPECT_EQ(f_4nbCycleRoundExperience(10), (std::array{0, 20, 30, 20}));
    EXPECT_EQ(f_4nbCycleRoundExperience(26), (std::array{6, 26, 4, 16}));
    EXPECT_FALSE(f_4nbCycleRoundExperience(-1));
    // Every row ends in its own number except the three the table has always had otherwise.
    for (int n = 0; n <= 36; ++n) {
        if (n == 10 || n == 19 || n == 26) continue;
        EXPECT_EQ(CycleRoundExperience[n][3], n) << n;
    }
}
