// The switchable progressions of The Edge.
#include <gtest/gtest.h>

#include "edge/edge_progressions.h"
#include "panels/frm8edge.h"
#include "panels/frm8edge_actions.h"
#include "support/feed.h"

TEST(EdgeProgressions, TwelveNumberRowShowsItsLadderThenZero) {
    Session s{1};
    panels::edge::Label2_Click(s, 5);
    std::vector<std::string> shown;
    for (int i = 0; i < 11; ++i) {
        feed(s, {i});
        shown.push_back(s.frm8edge().Label2[5].caption());
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"1", "1", "2", "3", "4", "6", "9", "14", "21", "32", "0"}));
}

TEST(EdgeProgressions, SpinWhileOffKeepsTheCaptionAndStartsAgain) {
    Session s{1};
    auto& sw = s.frm8edge().Label2;
    panels::edge::Label2_Click(s, 2);
    for (int i = 0; i < 12; ++i) feed(s, {1});
    EXPECT_EQ(sw[2].caption(), "2");  // step 12 of the three-number ladder
    EXPECT_EQ(sw[0].caption(), "0");
    panels::edge::Label2_Click(s, 2);
    feed(s, {1});
    EXPECT_EQ(sw[2].caption(), "2");
    panels::edge::Label2_Click(s, 2);
    feed(s, {1});
    EXPECT_EQ(sw[2].caption(), "1");
}

TEST(EdgeProgressions, RowsStepTheirOwnLadders) {
    struct Case {
        int k, step, stake;
    } cases[] = {{0, 101, 0}, {1, 70, 32}, {3, 38, 50}, {4, 21, 25}, {4, 26, 1}, {4, INT32_MAX, 1}};
    for (const Case& c : cases) {
        int32_t step = c.step == INT32_MAX ? c.step : c.step - 1;
        EXPECT_EQ(edge::stepProgression(step, c.k, true), c.stake) << c.k << " at " << c.step;
        EXPECT_EQ(step, c.step);
    }
}
