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

TEST_F(Pivots, FirstResultWithTheDesignFactors) {
    for (auto [spin, shown] : {std::pair{5, "8"}, {7, "10"}, {30, "22"}}) {
        feed(s, {spin});
        EXPECT_EQ(box(Pivot), std::to_string(spin));
        EXPECT_EQ(box(Result1), shown) << spin;
    }
    e.Text1[Horni].setText("1");
    e.Text1[Dolni].setText("3");
    feed(s, {5});
    EXPECT_EQ(box(Result1), "-20");  // no lower bound
}

TEST_F(Pivots, FactorThatIsNoNumberLeavesTheFirstResult) {
    feed(s, {5});
    e.Text1[Horni].setText("x");
    feed(s, {7});
    EXPECT_EQ(box(Result1), "8");
    EXPECT_EQ(box(Pivot), "7");
}

TEST(PivotCore, LargeFactorsSquareIn64Bits) {
    EXPECT_EQ(edge::pivotResult(200, 0, 2), 20000);  // 40000 halved; a 16-bit square overflows
    EXPECT_EQ(edge::pivotResult(2'000'000'000, 0, 1), 1e18);
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
    feed(s, {8});
    EXPECT_EQ(box(MultiplesFirst + 2), "0");
    EXPECT_EQ(box(MultiplesFirst + 0), "1");
    feed(s, {12});
    EXPECT_EQ(box(MultiplesFirst + 4), "0");
    EXPECT_EQ(box(MultiplesFirst + 2), "1");
    feed(s, {36});
    for (int k = 0; k < 6; ++k) EXPECT_NE(box(MultiplesFirst + k), "0");
    EXPECT_EQ(box(MultiplesMax), "3");
}

TEST_F(Pivots, FinalsLineFailsOnItsTenthSpinEvenOnASix) {
    feed(s, {14, 24});
    for (int i = 0; i < 9; ++i) feed(s, {1});
    EXPECT_EQ(box(PivotLine), "9");
    feed(s, {36});
    EXPECT_EQ(box(PivotLine), "0");
    EXPECT_EQ(box(PivotNsucc), "1");
    EXPECT_EQ(box(PivotMxNs), "1");
    EXPECT_EQ(box(PivotSucc), "0");
    feed(s, {4, 34, 5, 16});  // a new line, closed by a 6-ending
    EXPECT_EQ(box(PivotSucc), "1");
    EXPECT_EQ(box(PivotNsucc), "0");
    EXPECT_EQ(box(PivotMxNs), "1");
    feed(s, {26});  // no line open: nothing changes
    EXPECT_EQ(box(PivotSucc), "1");
}
