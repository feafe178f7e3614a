// The four seeded triple systems of The Edge.
#include <gtest/gtest.h>

#include "edge/seeded_triples.h"
#include "panels/frm8edge.h"
#include "support/feed.h"

using B = edgebox::TripleBoxes;

namespace {

constexpr forms::Color Running = 0x00C000, Idle = 0x80000008;

struct Triple : ::testing::Test {
    Session s{1};
    Frm8edge& e = s.frm8edge();
    forms::Control& box(int k, int B::*which) { return e.Text1[edgebox::Triples[size_t(k)].*which]; }
    forms::Control& label(int k) { return e.Label1[edgebox::Triples[size_t(k)].label]; }
};

}  // namespace

TEST_F(Triple, StartOnTheSeedThenWinOnABetNumber) {
    feed(s, {33});  // the first spin starts nothing
    EXPECT_EQ(label(0).foreColor(), Idle);
    feed(s, {33});
    EXPECT_EQ(label(0).caption(), "11,13,31");
    EXPECT_EQ(label(0).foreColor(), Running);
    feed(s, {33, 11});  // a running system ignores its seed: 33 is a miss
    EXPECT_EQ(box(0, &B::cwin).text(), "30");
    EXPECT_EQ(box(0, &B::minCw).text(), "-3");
    EXPECT_EQ(box(0, &B::succ).text(), "1");
    EXPECT_EQ(label(0).foreColor(), Idle);
    box(2, &B::seed).setText("30");
    feed(s, {30});
    EXPECT_EQ(label(2).caption(), "0,20,10");
}

TEST_F(Triple, CycleRunsOutOnTheFifthSpinAfterTheSeed) {
    feed(s, {1, 6, 1, 2, 3, 5});
    EXPECT_EQ(box(1, &B::cwin).text(), "-12");
    feed(s, {6});  // out of cycles: settles nothing
    EXPECT_EQ(box(1, &B::nsucc).text(), "1");
    EXPECT_EQ(box(1, &B::cwin).text(), "-12");
    EXPECT_EQ(label(1).foreColor(), Idle);
}

TEST_F(Triple, BadSeedOrCyclesStartsAndSettlesNothing) {
    box(0, &B::seed).setText("33,5");
    feed(s, {1, 33});
    EXPECT_EQ(label(0).foreColor(), Idle);
    box(0, &B::seed).setText("5");  // no table row and no start yet: no bet on unset numbers
    feed(s, {5, 11});
    EXPECT_EQ(label(0).foreColor(), Idle);
    box(0, &B::seed).setText("33");
    feed(s, {33});
    box(0, &B::cycles).setText("ten");
    feed(s, {2, 3});
    EXPECT_EQ(s.st.i_cntEvEdge1, 1);
    EXPECT_EQ(box(0, &B::cwin).text(), "0");
}

TEST_F(Triple, SystemFourWaitsWhileANumberBoxIsNotANumber) {
    e.Text1[188].setText("abc");
    feed(s, {1, 22, 33});
    EXPECT_EQ(label(3).foreColor(), Running);
    EXPECT_EQ(s.st.i_cntEvEdge4, 0);
    e.Text1[188].setText("22");
    feed(s, {1, 11});
    EXPECT_EQ(box(3, &B::succ).text(), "1");
}

TEST(TripleStake, FollowsTheLossWithHalvesToEvenAndACap) {
    for (auto [cwin, bb] : {std::pair<int64_t, int64_t>{-12, 1}, {-50, 2}, {-150, 4}, {-1'000'000'000'000'000, edge::MaxTripleStake}}) {
        edge::TripleRun r;
        r.cwin = cwin;
        edge::stakeTriple(r, 0.03);
        EXPECT_EQ(r.bb, bb) << cwin;
    }
}
