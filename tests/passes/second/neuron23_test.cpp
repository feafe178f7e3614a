#include "passes/second/neuron23.h"

#include <gtest/gtest.h>

#include "panels/frm6fast.h"
#include "support/feed.h"

using namespace passes;

TEST(NeuronNet, ElevenThreeTimesWinsOnTheSecondRepeat) {
    Session s{1};
    Frm6fast& f = s.frm6fast();
    feed(s, {11, 11});
    EXPECT_EQ(f.Text4[50].text(), "1");
    EXPECT_EQ(f.Text4[56].text(), "");  // the account has not booked yet
    feed(s, {11});
    EXPECT_EQ(f.Text4[50].text(), "2");
    EXPECT_EQ(f.Text4[56].text(), "36");
    EXPECT_EQ(f.Text4[60].text(), "36");
    EXPECT_EQ(f.Text4[61].text(), "1");
    feed(s, {5, 11});  // a double after a non-double costs the counted pair one stake
    EXPECT_EQ(f.Text4[56].text(), "35");
    EXPECT_EQ(f.Text4[53].text(), "");  // 3311 was never seen
    feed(s, {22, 11});  // 22 after 11 and 11 after 22 move the same pair
    EXPECT_EQ(f.Text4[52].text(), "2");
}

TEST(NeuronNet, StakeFromTheTotalLossNeverBelowOne) {
    struct C { int64_t total; int64_t stake; };
    for (const C& c : {C{-20, 1}, C{-100, 3}, C{-10, 1}, C{0, 1}, C{250, 1}, C{-150, 4}}) {
        Neuron23Totals t;
        neuron23Stake(t, c.total, 0.03);
        EXPECT_EQ(t.bb, c.stake) << c.total;
        EXPECT_EQ(t.minTotal, std::min<int64_t>(0, c.total));
    }
    Neuron23Totals t{0, -50, 7, 7};
    neuron23Stake(t, -60, std::nullopt);
    EXPECT_EQ(t.bb, 7);
    neuron23Stake(t, -400, 0.03);
    EXPECT_EQ(t.bb, 12);
    EXPECT_EQ(t.maxBb, 12);
    EXPECT_EQ(t.minTotal, -400);
}
