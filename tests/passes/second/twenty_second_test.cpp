#include "passes/second/twenty_second.h"

#include <gtest/gtest.h>

#include "panels/frm6fast.h"
#include "passes/second/shown_figures.h"
#include "support/feed.h"

using namespace passes;

namespace {

struct TwentySecond : ::testing::Test {
    Session s{1};
    Frm6fast& f = s.frm6fast();
    // Cw, MinCw, Bbet and the label's colour of an instance (1: 9,19,29; 2: 10,20,30).
    std::string shown(int k) {
        const int b = k == 1 ? 33 : 44, m = k == 1 ? 42 : 45, bb = k == 1 ? 43 : 46;
        const bool green = f.Label4[k == 1 ? 29 : 33].foreColor() == forms::colors::Green;
        return f.Text4[b].text() + " " + f.Text4[m].text() + " " + f.Text4[bb].text() + (green ? " bet" : " idle");
    }
};

}  // namespace

TEST_F(TwentySecond, FiveMissesThenTheNextNumberOfTheGroupArmsAgain) {
    feed(s, {9, 1, 2, 3, 4});
    EXPECT_EQ(shown(1), "-12 -12 1 bet");
    feed(s, {5});  // the fifth miss: stake Round(15 x 0,03) = 0
    EXPECT_EQ(shown(1), "-15 -15 0 idle");
    feed(s, {19});  // idle again, and 19 arms a new run at once
    EXPECT_EQ(shown(1), "-15 -15 0 bet");
    feed(s, {1, 29});  // at stake 0 nothing is booked; the hit sets the stake back to 1
    EXPECT_EQ(shown(1), "-15 -15 1 idle");
    EXPECT_EQ(shown(2), "0 0 1 idle");
}

TEST_F(TwentySecond, AHitPaysAndCannotArmOnTheSameSpin) {
    feed(s, {10, 20});
    EXPECT_EQ(shown(2), "33 0 1 idle");
    feed(s, {30});
    EXPECT_EQ(shown(2), "33 0 1 bet");
}

TEST(TwentySecondCore, StakeAfterALosingRun) {
    struct C { int64_t cwin; double share; int64_t stake; };
    for (const C& c : {C{-2, 0.03, 0}, C{-20, 0.03, 1}, C{-117, 0.03, 4}, C{12, 0.03, 1},
                       C{-1'000'000'000'000'000, 9999, StakeCap}}) {
        Sys22Instance in{c.cwin + 3 * 2, 0, 2, 4, false};
        EXPECT_EQ(twentySecondSpin(in, {9, 19, 29}, 1, c.share), Label22::White);
        EXPECT_EQ(in.bb, c.stake) << c.cwin;
    }
}
