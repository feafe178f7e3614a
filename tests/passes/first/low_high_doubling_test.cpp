#include "passes/first/low_high_doubling.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "support/feed.h"

namespace {

struct Spins {
    std::vector<int> spins;
    const char* advice;
    const char* bb;
    const char* cw9;
};

}  // namespace

TEST(LowHighDoubling, SpinsThroughTheEntryBox) {
    const Spins runs[] = {
        {{5}, "L", "1", "0"},
        {{5, 20}, "H", "2", "-1"},
        {{5, 20, 0}, "H", "4", "-2"},    // zero costs half and doubles
        {{5, 20, 0, 30}, "H", "1", "2"},  // the worked sequence ends with a win
        {{5, 0}, "L", "2", "0"},          // -0.5 rounds to the even 0
        {{5, 0, 0}, "L", "4", "-1"},      // two zeros quadruple the stake
        {{0}, "", "1", "0"},              // no half advised: nothing booked
        {{0, 0, 7}, "L", "1", "0"},
    };
    for (const auto& r : runs) {
        Session s{1};
        for (int n : r.spins) feed(s, {n});
        auto& f = s.frm1basic();
        EXPECT_EQ(f.Text8[2].text(), r.advice) << r.spins.size();
        EXPECT_EQ(f.Text8[3].text(), r.bb) << r.spins.size();
        EXPECT_EQ(f.Text8[1].text(), r.cw9) << r.spins.size();
    }
}

TEST(LowHighDoubling, WinResetsTheStakeToTheMultiplicator) {
    state::EvenChanceDoublingState st{8, 0};
    EXPECT_EQ(passes::doubling::step(st, 3, "L", 3), "L");
    EXPECT_EQ(st.l_cwin5, 8);
    EXPECT_EQ(st.l_bb, 3);
}

TEST(LowHighDoubling, HalfStakesRoundToEvenAndLongLossesSaturate) {
    constexpr int64_t Max = std::numeric_limits<int64_t>::max();
    constexpr int64_t Min = std::numeric_limits<int64_t>::min();
    struct Case { int64_t cwin, bb; int x; int64_t cwinAfter, bbAfter; };
    const Case cases[] = {
        {0, 1, 0, 0, 2},
        {-1, 1, 0, -2, 2},
        {2, 3, 0, 0, 6},                  // 0.5 -> 0
        {3, 3, 0, 2, 6},                  // 1.5 -> 2
        {0, Max / 2 + 1, 30, -(Max / 2 + 1), Max},
        {Min + 1, Max, 30, Min, Max},
        {Min, Max, 0, Min, Max},
    };
    for (const auto& c : cases) {
        state::EvenChanceDoublingState st{c.bb, c.cwin};
        passes::doubling::step(st, c.x, "L", 1);
        EXPECT_EQ(st.l_cwin5, c.cwinAfter) << c.cwin << " " << c.bb;
        EXPECT_EQ(st.l_bb, c.bbAfter) << c.cwin << " " << c.bb;
    }
}
