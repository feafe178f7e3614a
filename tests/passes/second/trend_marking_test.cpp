#include "passes/second/trend_marking.h"

#include <gtest/gtest.h>

#include "settings/frm2opti.h"
#include "support/feed.h"

using namespace passes;

TEST(TrendCore, WhichDozenIsMissing) {
    struct C { std::vector<int> rows; bool running; TrendAction action; forms::Color colour; };
    const C cases[] = {
        {{1, 13, 2, 14}, false, TrendAction::Mark, TrendH},
        {{1, 25, 2}, false, TrendAction::Mark, TrendM},
        {{13, 25}, false, TrendAction::Mark, TrendL},
        {{1, 13, 25}, true, TrendAction::Unmark, TrendNone},
        {{1, 13, 0}, true, TrendAction::Unmark, TrendNone},   // a zero in the window
        {{1, 13, -1}, false, TrendAction::Unmark, TrendNone}, // an empty row
        {{30, 31}, true, TrendAction::Keep, TrendNone},       // one dozen keeps a running mark
        {{30, 31}, false, TrendAction::Unmark, TrendNone},
        {{}, true, TrendAction::Keep, TrendNone},             // N = 0 does nothing
    };
    for (const auto& c : cases) {
        const TrendResult r = trendSpin(c.rows, c.running);
        EXPECT_EQ(r.action, c.action) << c.rows.size();
        if (r.action == TrendAction::Mark) {
            EXPECT_EQ(r.colour, c.colour);
        }
        EXPECT_EQ(r.b_trend, c.action == TrendAction::Mark || (c.running && c.action == TrendAction::Keep));
    }
}

struct TrendMarking : ::testing::Test {
    Session s{1};
    Frm1basic& f = s.frm1basic();
    void setN(const char* n) { s.frm2opti().Text1[0].setText(n); }
    // Rows 1..k all painted `c` (number and class box).
    bool painted(int k, forms::Color c) {
        for (int i = 1; i <= k; ++i)
            if (f.Text1[i].backColor() != c || f.Text2[i].backColor() != c) return false;
        return true;
    }
};

TEST_F(TrendMarking, TenSpinsWithoutHighAreLightBlue) {
    feed(s, {1, 13, 2, 14, 3, 15, 4, 16, 5});
    EXPECT_FALSE(f.Text10.visible()) << "nine rows hold spins: the window has an empty row";
    feed(s, {17});
    EXPECT_TRUE(painted(10, TrendH));
    EXPECT_TRUE(f.Text10.visible());
    EXPECT_EQ(f.Text10.backColor(), TrendH);
    EXPECT_NE(f.Text1[11].backColor(), TrendH);
}

TEST_F(TrendMarking, GreenRowMarkSurvives) {
    feed(s, {1, 13, 2, 14, 3, 15, 4, 16, 5});
    f.Text1[3].click();  // the player's mark
    feed(s, {17});
    EXPECT_EQ(f.Text1[4].backColor(), forms::colors::Green) << "the marker moved with its spin";
    EXPECT_EQ(f.Text2[4].backColor(), TrendH);
    EXPECT_EQ(f.Text1[5].backColor(), TrendH);
}

TEST_F(TrendMarking, ZeroUnmarksAtOnce) {
    feed(s, {1, 13, 2, 14, 3, 15, 4, 16, 5, 17});
    feed(s, {0});
    EXPECT_FALSE(f.Text10.visible());
    EXPECT_FALSE(s.st.b_trend);
    EXPECT_TRUE(painted(10, TrendNone));
}

TEST_F(TrendMarking, SingleDozenKeepsOnlyARunningMark) {
    feed(s, {13, 25, 14, 26, 15, 27, 16, 28, 17, 29});
    ASSERT_EQ(f.Text10.backColor(), TrendL);
    for (int i = 0; i < 10; ++i) feed(s, {30});
    EXPECT_TRUE(f.Text10.visible());
    EXPECT_TRUE(painted(10, TrendL));

    Session fresh{1};
    for (int i = 0; i < 10; ++i) feed(fresh, {30});
    EXPECT_FALSE(fresh.frm1basic().Text10.visible());
    EXPECT_FALSE(fresh.st.b_trend);
}

TEST_F(TrendMarking, CounterIsClampedToTheHistory) {
    setN("99");
    for (int i = 0; i < 28; ++i) feed(s, {i % 2 ? 1 : 13});
    EXPECT_TRUE(painted(28, TrendH));
    setN("0");
    feed(s, {0});
    EXPECT_TRUE(f.Text10.visible()) << "a window of no rows does nothing";
}
