// The multiples counters, pivot figures and finals line of The Edge.
#include <gtest/gtest.h>

#include "edge/multiples_pivots.h"
#include "panels/frm8edge.h"
#include "support/feed.h"

using namespace edgebox;

namespace {

struct Pivots : ::testing::Test {
    Session s{1};
    Frm8edge& e = s.frm8edge();
    std::string box(int i) { return e.Text1[i].text(); }
};

}  // namespace

TEST_F(Pivots, FirstResultFollowsTheFactorsAndKeepsItsValueOnBadText) {
    for (auto [spin, shown] : {std::pair{5, "8"}, {7, "10"}, {30, "22"}}) {
        feed(s, {spin});
        EXPECT_EQ(box(Result1), shown) << spin;
    }
    e.Text1[Horni].setText("x");
    feed(s, {7});
    EXPECT_EQ(box(Result1), "22");
    EXPECT_EQ(box(Pivot), "7");
    e.Text1[Horni].setText("1");
    e.Text1[Dolni].setText("3");
    feed(s, {5});
    EXPECT_EQ(box(Result1), "-20");
    EXPECT_EQ(edge::pivotResult(2'000'000'000, 0, 1), 1e18);  // squares in 64 bits
}

TEST_F(Pivots, SecondResultNeedsAPreviousSpin) {
    feed(s, {36});
    EXPECT_EQ(box(Result2), "0");
    feed(s, {36});
    EXPECT_EQ(box(Result2), "20");  // 36 + 4.277 = 40, halved
    feed(s, {9, 0});
    EXPECT_EQ(box(Result2), "9");
}

TEST_F(Pivots, MultiplesGoToTheLabelFurthestRight) {
    feed(s, {8, 12, 36});
    const char* expected[] = {"3", "3", "2", "3", "1", "3"};
    for (int k = 0; k < 6; ++k) EXPECT_EQ(box(MultiplesFirst + k), expected[k]) << k;
    EXPECT_EQ(box(MultiplesMax), "3");
}

TEST_F(Pivots, FinalsLineFailsOnItsTenthSpinEvenOnASix) {
    feed(s, {14, 24, 1, 1, 1, 1, 1, 1, 1, 1, 1});
    EXPECT_EQ(box(PivotLine), "9");
    feed(s, {36});
    EXPECT_EQ(box(PivotLine) + box(PivotNsucc) + box(PivotMxNs) + box(PivotSucc), "0110");
    feed(s, {4, 34, 5, 16, 26});  // a new line closed by a 6-ending; the 26 finds none open
    EXPECT_EQ(box(PivotSucc) + box(PivotNsucc) + box(PivotMxNs), "101");
}
