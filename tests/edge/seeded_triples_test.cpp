// The four seeded triple systems of The Edge.
#include <gtest/gtest.h>

#include "edge/seeded_triples.h"
#include "panels/frm8edge.h"
#include "settings/frm2opti.h"
#include "support/feed.h"

using edgebox::Triples;

namespace {

constexpr forms::Color Running = 0x00C000, Idle = 0x80000008;

struct Triple : ::testing::Test {
    Session s{1};
    Frm8edge& e = s.frm8edge();
    std::string box(int k, int edgebox::TripleBoxes::*which) { return e.Text1[Triples[size_t(k)].*which].text(); }
    forms::Control& label(int k) { return e.Label1[Triples[size_t(k)].label]; }
};

}  // namespace

TEST_F(Triple, SystemOneStartsOnItsSeedAndWinsOnEleven) {
    feed(s, {1});
    feed(s, {33});
    EXPECT_EQ(label(0).caption(), "11,13,31");
    EXPECT_EQ(label(0).foreColor(), Running);
    feed(s, {11});
    EXPECT_EQ(box(0, &edgebox::TripleBoxes::cwin), "33");
    EXPECT_EQ(box(0, &edgebox::TripleBoxes::succ), "1");
    EXPECT_EQ(box(0, &edgebox::TripleBoxes::bb), "1");
    EXPECT_EQ(label(0).foreColor(), Idle);
}

TEST_F(Triple, RunningSystemIgnoresItsSeedAndTheFirstSpinStartsNothing) {
    feed(s, {33});
    EXPECT_EQ(label(0).foreColor(), Idle);
    feed(s, {33, 5, 33});
    EXPECT_EQ(box(0, &edgebox::TripleBoxes::cwin), "-6");
    EXPECT_EQ(box(0, &edgebox::TripleBoxes::minCw), "-6");
    EXPECT_EQ(s.st.i_cntEvEdge1, 3);
}

TEST_F(Triple, SystemTwoLosesItsCycleOnTheFifthSpinAfterTheSeed) {
    feed(s, {1, 6, 1, 2, 3, 5});
    EXPECT_EQ(label(1).caption(), "4,34,6");
    EXPECT_EQ(s.st.i_cntEvEdge2, 5);
    EXPECT_EQ(box(1, &edgebox::TripleBoxes::cwin), "-12");
    feed(s, {6});  // settles nothing: the cycle is out
    EXPECT_EQ(box(1, &edgebox::TripleBoxes::nsucc), "1");
    EXPECT_EQ(box(1, &edgebox::TripleBoxes::cwin), "-12");
    EXPECT_EQ(label(1).foreColor(), Idle);
}

TEST_F(Triple, SeedsChooseNumbersAndCaptions) {
    e.Text1[Triples[2].seed].setText("30");
    feed(s, {1, 30});
    EXPECT_EQ(label(2).caption(), "0,20,10");
    feed(s, {0});
    EXPECT_EQ(box(2, &edgebox::TripleBoxes::succ), "1");
    EXPECT_EQ(box(2, &edgebox::TripleBoxes::cwin), "33");
}

TEST_F(Triple, SeedOrCyclesThatIsNotAWholeNumberStartsAndSettlesNothing) {
    e.Text1[Triples[0].seed].setText("33,5");
    feed(s, {1, 33});
    EXPECT_EQ(label(0).foreColor(), Idle);
    e.Text1[Triples[0].seed].setText("33");
    feed(s, {33});
    e.Text1[Triples[0].cycles].setText("ten");
    feed(s, {2, 3});
    EXPECT_EQ(s.st.i_cntEvEdge1, 1);
    EXPECT_EQ(box(0, &edgebox::TripleBoxes::cwin), "0");
}

TEST_F(Triple, UnknownSeedStartsNothingBeforeAValidStart) {
    e.Text1[Triples[0].seed].setText("5");
    feed(s, {1, 5, 11, 13});
    EXPECT_EQ(label(0).foreColor(), Idle);
    EXPECT_EQ(box(0, &edgebox::TripleBoxes::cwin), "0");
    EXPECT_EQ(label(0).caption(), "- ");
    // After a start on "33", an unknown seed starts with the numbers of that start.
    e.Text1[Triples[0].seed].setText("33");
    feed(s, {33, 11});
    e.Text1[Triples[0].seed].setText("5");
    feed(s, {5, 13});
    EXPECT_EQ(box(0, &edgebox::TripleBoxes::succ), "2");
}

TEST_F(Triple, SystemFourWaitsWhileANumberBoxIsNotANumber) {
    e.Text1[188].setText("abc");
    feed(s, {1, 22, 33});
    EXPECT_EQ(label(3).foreColor(), Running);
    EXPECT_EQ(s.st.i_cntEvEdge4, 0);
    e.Text1[188].setText("22");
    feed(s, {1, 11});
    EXPECT_EQ(box(3, &edgebox::TripleBoxes::succ), "1");
}

TEST(TripleCore, StakeFollowsTheLossWithHalvesToEven) {
    struct Case {
        int64_t cwin, bb;
    } cases[] = {{-12, 1}, {-50, 2}, {-150, 4}, {-1'000'000'000'000'000, edge::MaxTripleStake}};
    for (const Case& c : cases) {
        edge::TripleRun r;
        r.cwin = c.cwin;
        edge::stakeTriple(r, 0.03);
        EXPECT_EQ(r.bb, c.bb) << c.cwin;
    }
}
