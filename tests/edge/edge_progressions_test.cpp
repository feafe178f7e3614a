// The switchable progressions of The Edge.
#include <gtest/gtest.h>

#include "edge/edge_progressions.h"
#include "panels/frm8edge.h"
#include "panels/frm8edge_actions.h"
#include "support/feed.h"

TEST(EdgeProgressions, TwelveNumberRowShowsItsLadderThenZero) {
    Session s{1};
    auto& sw = s.frm8edge().Label2[5];
    panels::edge::Label2_Click(s, 5);
    std::vector<std::string> shown;
    for (int i = 0; i < 11; ++i) {
        feed(s, {i});
        shown.push_back(sw.caption());
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"1", "1", "2", "3", "4", "6", "9", "14", "21", "32", "0"}));
}

TEST(EdgeProgressions, OffRowKeepsItsCaptionAndStartsAgainFromOne) {
    Session s{1};
    auto& sw = s.frm8edge().Label2;
    panels::edge::Label2_Click(s, 2);
    for (int i = 0; i < 12; ++i) feed(s, {1});
    EXPECT_EQ(sw[2].caption(), "2");  // step 12 of the three-number ladder
    EXPECT_EQ(sw[0].caption(), "0");  // rows left off are not touched
    panels::edge::Label2_Click(s, 2);
    feed(s, {1});
    EXPECT_EQ(sw[2].caption(), "2");
    EXPECT_EQ(s.st.EdgeProgStep[2], 0);
    panels::edge::Label2_Click(s, 2);
    feed(s, {1});
    EXPECT_EQ(sw[2].caption(), "1");
}

TEST(EdgeProgressions, StepsAlongEachRowsLadder) {
    struct Case {
        int k, step;
        int stake;
    } cases[] = {{0, 36, 2}, {0, 100, 10}, {0, 101, 0}, {1, 70, 32}, {1, 71, 0}, {2, 45, 42},
                 {3, 38, 50}, {4, 21, 25}, {4, 25, 50}, {4, 26, 1}, {5, 10, 32}, {5, 11, 0}};
    for (const Case& c : cases) {
        int32_t step = c.step - 1;
        EXPECT_EQ(edge::stepProgression(step, c.k, true), c.stake) << c.k << " at " << c.step;
        EXPECT_EQ(step, c.step);
    }
    int32_t top = INT32_MAX;
    EXPECT_EQ(edge::stepProgression(top, 4, true), 1);
    EXPECT_EQ(top, INT32_MAX);
}
