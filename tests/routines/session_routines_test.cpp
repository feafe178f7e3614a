#include <gtest/gtest.h>

#include "panels/frm3hgf.h"
#include "routines/schedules.h"
#include "routines/state_value.h"
#include "routines/streets.h"
#include "routines/trackers.h"
#include "routines/waves.h"
#include "routines/wheel.h"
#include "routines/win16.h"
#include "settings/frm2opti.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

using namespace routines;

namespace {

// History rows are written directly, so that only the routine under test books them.
struct SessionRoutines : ::testing::Test {
    Session s{1};
    Frm1basic& f = s.frm1basic();
    void history(std::initializer_list<const char*> newestFirst) {
        int row = 1;
        for (const char* t : newestFirst) f.Text1[row++].setText(t);
    }
    void trackAll() {
        br_check(s, f.Text1[2].text(), f.Text1[1].text());
        hl_check(s, f.Text1[2].text(), f.Text1[1].text());
        oe_check(s, f.Text1[2].text(), f.Text1[1].text());
    }
};

}  // namespace

TEST_F(SessionRoutines, TrackersReadTheHistory) {
    history({"12", "9", "7"});  // red, red, red; low; odd, odd, even
    trackAll();
    // Three reds clear the repeat; odd, odd, even: row 3 stops the alternation.
    EXPECT_EQ(asInt(s.st.l_red) + asInt(s.st.l_low) + asInt(s.st.l_odd), 0);
    history({"30", "12", "9"});     // red again, high, even again
    trackAll();
    EXPECT_EQ(asInt(s.st.l_red), 0);  // rows 2 and 3 red: third repeat
    EXPECT_EQ(asInt(s.st.l_even), 2);
    EXPECT_EQ(asInt(s.st.l_low) + asInt(s.st.l_black), 0);  // low, low, high clears both
}

TEST_F(SessionRoutines, TrackersIgnoreTextThatIsNoNumber) {
    history({"9", "8"});
    br_check(s, "abc", "9");
    oe_check(s, "8", "99999999999");
    EXPECT_EQ(asInt(s.st.l_red) + asInt(s.st.l_black) + asInt(s.st.l_odd), 0);
    br_check(s, "8", "9");  // row 3 empty: its design colour differs from row 2's
    EXPECT_EQ(asInt(s.st.l_black), 1);
}

TEST_F(SessionRoutines, StreetsAndWheelWriteTheirState) {
    findtwonbrs(s, 12, 35);
    EXPECT_EQ(asInt(s.st.i_num1), 34);
    EXPECT_EQ(asInt(s.st.i_num2), 36);
    rem_twonbrs(s, 8, "7,9,13,,8");
    marosti_add(s, "2");
    marosti_add(s, "x");
    EXPECT_EQ(s.st.s_bet, "13,1,3");
    f_4nbCycleRound(s, 3);
    EXPECT_EQ(asInt(s.st.i_cycrnd1), 26);
    EXPECT_EQ(asInt(s.st.i_cycrnd4), 15);
}

TEST_F(SessionRoutines, SchedulesOnTheOptions) {
    EXPECT_EQ(f_prog8thADV(s, "abc", 160), 0);
    EXPECT_EQ(f_prog8thADVcdown(s, "", 999), 0);
    EXPECT_EQ(f_prog60(s, "1e3", 5), 0);
    EXPECT_EQ(asInt(s.st.i_loses19), 0);
    auto& o = s.frm2opti();
    forms::Control& start = o.Text1[24];
    EXPECT_EQ(advSchedule(s), AdvSchedule::M90);
    EXPECT_EQ(f_prog8thADV(s, start.text(), 180), 2);
    EXPECT_EQ(f_prog8thADVcdown(s, start.text(), 250), 0);
    EXPECT_EQ(asInt(s.st.i_loses19), 1);
    o.Option1[0].click();
    EXPECT_EQ(f_prog8thADV(s, start.text(), 250), 1);
    EXPECT_EQ(start.text(), "250");
}

TEST_F(SessionRoutines, WavesAndWin16OnTheHgfPanel) {
    auto& h = s.frm3hgf();
    forms::Control& wave = h.Text12[0];
    forms::Control& unit = h.Text10[3];
    wave.setText("7");
    wave.setBackColor(forms::colors::BrightGreen);
    history({"7"});
    FN17(s);
    EXPECT_EQ(asInt(s.st.i_cwin17_1), 35);
    s.st.i_cwin17_1 = -99;
    history({"8"});
    FN17(s);
    EXPECT_EQ(asInt(s.st.i_bbet17_1), 4);
    EXPECT_EQ(h.Text13[4].text(), "4");
    unit.setText("2");
    EXPECT_EQ(win16(s, 0, "0", false, 4), 62);
    unit.setText("x");
    EXPECT_EQ(win16(s, 0, "0", false, 4), 0);
}
