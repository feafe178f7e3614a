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
    std::string box(int i) { return f.Text4[i].text(); }
};

}  // namespace

TEST_F(TwentySecond, FiveMissesThenTheNextNumberOfTheGroupArmsAgain) {
    feed(s, {9});
    EXPECT_EQ(f.Label4[29].foreColor(), forms::colors::Green);
    feed(s, {1, 2, 3, 4});
    EXPECT_EQ(box(33), "-12");
    EXPECT_EQ(f.Label4[29].foreColor(), forms::colors::Green);
    feed(s, {5});  // the fifth miss: -15, stake Round(15 x 0,03) = 0
    EXPECT_EQ(box(33), "-15");
    EXPECT_EQ(box(42), "-15");
    EXPECT_EQ(box(43), "0");
    EXPECT_EQ(f.Label4[29].foreColor(), forms::colors::White);
    feed(s, {19});  // idle now, and 19 arms a new run at once
    EXPECT_EQ(f.Label4[29].foreColor(), forms::colors::Green);
    feed(s, {1, 29});  // at stake 0 a miss and a hit book nothing; the hit resets the stake
    EXPECT_EQ(box(33), "-15");
    EXPECT_EQ(box(43), "1");
    EXPECT_EQ(f.Label4[29].foreColor(), forms::colors::White);
    EXPECT_EQ(box(44), "0");  // the 10,20,30 instance never moved
}

TEST_F(TwentySecond, AHitPaysAndCannotArmOnTheSameSpin) {
    feed(s, {10, 20});
    EXPECT_EQ(box(44), "33");
    EXPECT_EQ(f.Label4[33].foreColor(), forms::colors::White);
    feed(s, {30});  // the next number of the group arms
    EXPECT_EQ(f.Label4[33].foreColor(), forms::colors::Green);
    EXPECT_EQ(box(33), "0");
}

TEST(TwentySecondCore, StakeAfterALosingRun) {
    struct C { int64_t cwin; double share; int64_t stake; };
    for (const C& c : {C{-2, 0.03, 0}, C{-20, 0.03, 1}, C{-117, 0.03, 4}, C{12, 0.03, 1}, C{-1'000'000'000'000'000, 9999, StakeCap}}) {
        Sys22Instance in{c.cwin + 3 * 2, 0, 2, 4, false};
        EXPECT_EQ(twentySecondSpin(in, {9, 19, 29}, 1, c.share), Label22::White);
        EXPECT_EQ(in.cwin, c.cwin);
        EXPECT_EQ(in.bb, c.stake) << c.cwin;
    }
    Sys22Instance keep{-100, -100, 2, 4, false};
    twentySecondSpin(keep, {9, 19, 29}, 1, std::nullopt);
    EXPECT_EQ(keep.bb, 2);
}
