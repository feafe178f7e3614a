// The Edge gap board, read from the window as a player sees it.
#include <gtest/gtest.h>

#include <set>

#include "edge/gap_board.h"
#include "panels/frm8edge.h"
#include "support/feed.h"

namespace {

constexpr forms::Color AtLimit = 0xFFFF80, Plain = 0x80000005;

struct GapBoard : ::testing::Test {
    Session s{1};
    Frm8edge& e = s.frm8edge();
    std::string box(int i) { return e.Text1[i].text(); }
};

}  // namespace

TEST_F(GapBoard, FirstSpin36ZeroesItsGroupsAndEveryOtherCountIsOne) {
    feed(s, {36});
    const std::set<int> zero = {12, 26, 39, 44, 53, 97};  // pair 36,29, 31-36, 34-36, 25-36, digit 6, 36
    for (const auto& f : edge::GapFamilies) {
        EXPECT_EQ(box(f.maxBox), "1") << f.maxBox;
        for (int i = f.first; i <= f.last; ++i) EXPECT_EQ(box(f.box(i)), zero.count(f.box(i)) ? "0" : "1") << f.box(i);
    }
}

TEST_F(GapBoard, ZeroCountsOnlyAsFinalZeroAndMaximaKeepTheirPeaks) {
    feed(s, {7, 7, 7, 0});
    EXPECT_EQ(box(edgebox::pairBox(14)), "1");  // {11,7}: zero belongs to no pair
    EXPECT_EQ(box(edgebox::pairBox(1)), "4");
    EXPECT_EQ(box(edgebox::finalBox(0)), "0");
    EXPECT_EQ(box(edgebox::finalBox(7)), "1");
    EXPECT_EQ(box(54), "4");  // digits 1-6
    EXPECT_EQ(box(59), "4");  // digits 8 and 9
    feed(s, {1, 2, 3});
    EXPECT_EQ(box(edgebox::dozenBox(0)), "0");
    EXPECT_EQ(box(45), "7");  // dozens 2 and 3 never came
}

TEST_F(GapBoard, CountAtItsLimitIsMarkedUntilItsGroupComes) {
    e.Text1[46].setText("2");  // dozens
    feed(s, {1, 2});
    EXPECT_EQ(e.Text1[edgebox::dozenBox(1)].backColor(), AtLimit);  // count 2 = limit
    EXPECT_EQ(e.Text1[edgebox::dozenBox(0)].backColor(), Plain);
    feed(s, {13});
    EXPECT_EQ(e.Text1[edgebox::dozenBox(1)].backColor(), Plain);
    e.Text1[46].setText("0");  // a limit of 0 marks the zeros too
    feed(s, {13});
    for (int d = 0; d < 3; ++d) EXPECT_EQ(e.Text1[edgebox::dozenBox(d)].backColor(), AtLimit);
}

TEST(GapBoardLimit, NotAWholeNumberMarksNothingWhileCountsRun) {
    for (const char* bad : {"", "abc", "2,5", "1e3"}) {
        Session s{1};
        auto& f = s.frm8edge();
        f.Text1[27].setText("1");
        feed(s, {1});
        ASSERT_EQ(f.Text1[edgebox::sixLineBox(1)].backColor(), AtLimit);
        f.Text1[27].setText(bad);
        feed(s, {1});
        for (int i = 0; i < 6; ++i) EXPECT_EQ(f.Text1[edgebox::sixLineBox(i)].backColor(), Plain) << bad;
        EXPECT_EQ(f.Text1[edgebox::sixLineBox(1)].text(), "2") << bad;
    }
}

TEST(GapBoardCore, CountsStopAtTheTopInsteadOfWrapping) {
    state::EdgeBoardState b;
    b.EdgeSleepSingles[1] = INT32_MAX;
    edge::bookGapBoard(b, 0);
    EXPECT_EQ(b.EdgeSleepSingles[1], INT32_MAX);
    EXPECT_EQ(b.EdgeMaxSingles, INT32_MAX);
}
