#include <gtest/gtest.h>

#include "routines/streets.h"
#include "routines/trackers.h"
#include "routines/wheel.h"
#include "support/feed.h"

using namespace routines;

namespace {

struct SessionRoutines : ::testing::Test {
    Session s{1};
    Frm1basic& f = s.frm1basic();
    void trackAll() {
        br_check(s, f.Text1[2].text(), f.Text1[1].text());
        hl_check(s, f.Text1[2].text(), f.Text1[1].text());
        oe_check(s, f.Text1[2].text(), f.Text1[1].text());
    }
};

}  // namespace

TEST_F(SessionRoutines, TrackersReadTheHistory) {
    feed(s, {7, 9, 12});  // red, red, red; low; odd, odd, even
    trackAll();
    EXPECT_EQ(s.st.l_red.value(), 0);
    EXPECT_EQ(s.st.l_low, 0);
    EXPECT_EQ(s.st.l_odd.value(), 0);  // odd, odd, even: row 3 stops the alternation
    feed(s, {30});                     // red again, high, even again
    trackAll();
    EXPECT_EQ(s.st.l_red.value(), 0);  // rows 2 and 3 red: third repeat
    EXPECT_EQ(s.st.l_even.value(), 2);
    EXPECT_EQ(s.st.l_low, 0);  // low, low, high: row 3 on the other side clears both
    EXPECT_TRUE(s.st.l_black.empty());  // never touched
}

TEST_F(SessionRoutines, TrackersIgnoreTextThatIsNoNumber) {
    feed(s, {8, 9});
    br_check(s, "abc", "9");
    hl_check(s, "8", "");
    oe_check(s, "8", "99999999999");
    EXPECT_TRUE(s.st.l_red.empty() && s.st.l_black.empty() && s.st.l_odd.empty());
    EXPECT_EQ(s.st.l_low, 0);
    br_check(s, "8", "9");  // row 3 empty: its design colour differs from row 2's
    EXPECT_EQ(s.st.l_black.value(), 1);
    EXPECT_TRUE(s.st.l_red.empty());
}

TEST_F(SessionRoutines, StreetsAndWheelWriteTheirState) {
    findtwonbrs(s, 12, 35);
    EXPECT_EQ(s.st.i_num1.value(), 34);
    EXPECT_EQ(s.st.i_num2, 36);
    findtwonbrs(s, 12, 5);
    EXPECT_EQ(s.st.i_num2, 36);
    rem_twonbrs(s, 8, "7,9,13,,8");
    EXPECT_EQ(s.st.s_bet, "13");
    marosti_add(s, "2");
    marosti_add(s, "x");
    EXPECT_EQ(s.st.s_bet, "13,1,3");
    f_4nbCycleRound(s, 3);
    EXPECT_EQ(s.st.i_cycrnd1.value(), 26);
    EXPECT_EQ(s.st.i_cycrnd4, 15);
    f_4nbCycleRoundExperience(s, 37);
    EXPECT_EQ(s.st.i_cycrnd4, 15);
}
