// The Edge gap board, read from the window as a player sees it.
#include <gtest/gtest.h>

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
    const std::set<int> zero = {edgebox::pairBox(13), edgebox::sixLineBox(5), edgebox::streetBox(11),
                                edgebox::dozenBox(2), edgebox::finalBox(6), edgebox::singleBox(36)};
    for (const auto& f : edge::GapFamilies) {
        EXPECT_EQ(box(f.maxBox), "1") << f.maxBox;
        for (int i = f.first; i <= f.last; ++i) EXPECT_EQ(box(f.box(i)), zero.count(f.box(i)) ? "0" : "1") << f.box(i);
    }
    EXPECT_EQ(box(53), "0");
    EXPECT_EQ(box(97), "0");
}

TEST_F(GapBoard, ZeroResetsOnlyFinalZeroAndSingleZero) {
    feed(s, {5, 0});
    for (int i = 0; i < 18; ++i) EXPECT_NE(box(i), "0") << i;  // pair {15,5} rose from 0 to 1
    EXPECT_EQ(box(edgebox::pairBox(2)), "1");
    EXPECT_EQ(box(edgebox::dozenBox(0)), "1");
    EXPECT_EQ(box(edgebox::finalBox(0)), "0");
    EXPECT_EQ(box(edgebox::singleBox(0)), "0");
    EXPECT_EQ(box(edgebox::singleBox(5)), "1");
}

TEST_F(GapBoard, MaximumKeepsItsPeakAndFinalsKeepTwo) {
    feed(s, {7, 7, 7, 1});
    EXPECT_EQ(box(edgebox::finalBox(1)), "0");
    EXPECT_EQ(box(54), "4");  // digits 0-6 slept four spins
    EXPECT_EQ(box(59), "4");  // digits 8 and 9 too; 7 only since the 1
    EXPECT_EQ(box(edgebox::finalBox(7)), "1");
    feed(s, {1});
    EXPECT_EQ(box(edgebox::singleBox(1)), "0");
    EXPECT_EQ(box(98), "5");
    feed(s, {2, 3, 4, 6});
    EXPECT_EQ(box(edgebox::dozenBox(0)), "0");
    EXPECT_EQ(box(45), "9");  // dozens 2 and 3 never came
}

TEST_F(GapBoard, CountAtItsLimitIsMarkedAndFallsBackWhenItsGroupComes) {
    e.Text1[46].setText("2");  // dozens
    feed(s, {1, 2});
    EXPECT_EQ(e.Text1[edgebox::dozenBox(1)].backColor(), AtLimit);  // count 2 = limit
    EXPECT_EQ(e.Text1[edgebox::dozenBox(0)].backColor(), Plain);
    feed(s, {13});
    EXPECT_EQ(e.Text1[edgebox::dozenBox(1)].backColor(), Plain);
    EXPECT_EQ(e.Text1[edgebox::dozenBox(2)].backColor(), AtLimit);
    e.Text1[46].setText("0");  // a limit of 0 marks the zeros too
    feed(s, {13});
    for (int d = 0; d < 3; ++d) EXPECT_EQ(e.Text1[edgebox::dozenBox(d)].backColor(), AtLimit);
}

TEST_F(GapBoard, LimitThatIsNotAWholeNumberMarksNothingWhileCountsRun) {
    for (const char* bad : {"", "abc", "2,5", "1e3"}) {
        Session t{1};
        auto& f = t.frm8edge();
        f.Text1[27].setText("1");
        feed(t, {1});
        ASSERT_EQ(f.Text1[edgebox::sixLineBox(1)].backColor(), AtLimit);
        f.Text1[27].setText(bad);
        feed(t, {1});
        for (int i = 0; i < 6; ++i) EXPECT_EQ(f.Text1[edgebox::sixLineBox(i)].backColor(), Plain) << bad;
        EXPECT_EQ(f.Text1[edgebox::sixLineBox(1)].text(), "2") << bad;
        EXPECT_EQ(f.Text1[20].text(), "2") << bad;
    }
}

TEST(GapBoardCore, CountsStopAtTheTopInsteadOfWrapping) {
    state::EdgeBoardState b;
    b.EdgeSleepSingles[1] = INT32_MAX;
    edge::bookGapBoard(b, 0);
    EXPECT_EQ(b.EdgeSleepSingles[1], INT32_MAX);
    EXPECT_EQ(b.EdgeMaxSingles, INT32_MAX);
}
