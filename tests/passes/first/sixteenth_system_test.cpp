// 16th Cycle 1Dozen and the dozen non-appearance alarm on the HGF panel, through the entry box.
#include <gtest/gtest.h>

#include <vector>

#include "forms/amounts.h"
#include "panels/frm3hgf.h"
#include "panels/frm5help.h"
#include "passes/first/dozen_alarm.h"
#include "settings/frm2opti.h"
#include "support/feed.h"

namespace colors = forms::colors;

namespace {

struct Cycle16 : ::testing::Test {
    Session s{1};
    Frm3hgf& f = s.frm3hgf();

    void play(int box) { f.Text10[box].click(); }
    // Cwin Bet Ws MxCwin MnCwin | counter cycles
    std::string shown() {
        std::string out;
        for (int i = 0; i < 5; ++i) out += (i ? " " : "") + f.Text11[i].text();
        return out + " | " + f.Label8[0].caption() + " " + f.Label8[1].caption();
    }
    // 28 spins: three L early on, then only M and H, so L is rare and absent from the window.
    void rareL() {
        feed(s, {1, 2, 3});
        for (int i = 0; i < 25; ++i) feed(s, {i % 2 ? 13 : 25});
    }
};

}  // namespace

TEST_F(Cycle16, FiveMissesRunTheNormalLevelsAndRaiseTheCounter) {
    play(0);
    struct Step { int spin; const char* shown; };
    for (auto st : {Step{13, "-5 8 0 0 -5 | 0 0"}, Step{25, "-14 20 0 0 -14 | 0 0"}, Step{14, "-36 40 0 0 -36 | 0 0"},
                    Step{26, "-80 60 0 0 -80 | 0 0"}, Step{15, "-146 4 0 0 -146 | 1 0"},
                    Step{5, "-142 20 0 0 -146 | 1 0"},  // a hit with the counter on starts a cycle
                    Step{5, "0 4 0 108 -146 | 0 0"}}) {  // 50 x "Cyclebet:" 5; the counter reaches 0
        feed(s, {st.spin});
        EXPECT_EQ(shown(), st.shown) << st.spin;
    }
    EXPECT_EQ(f.Text10[0].backColor(), colors::White);
    EXPECT_EQ(s.frm5help().Text1[0].text(), "108");
}

TEST_F(Cycle16, ThirdHitClosesTheRunWithTheCounterOff) {
    play(0);
    feed(s, {5, 0, 13});
    EXPECT_EQ(shown(), "30 8 2 35 0 | 0 0");
    feed(s, {12});
    EXPECT_EQ(f.Text10[0].backColor(), colors::White);
    EXPECT_EQ(shown(), "0 4 0 39 0 | 0 0");
    EXPECT_EQ(s.frm5help().Text1[0].text(), "39");
}

TEST_F(Cycle16, AUnitThatIsNoNumberPlaysNothing) {
    play(0);
    f.Text10[3].setText("x");
    feed(s, {13, 13});
    EXPECT_EQ(shown(), "0 4 0 0 0 | 0 0");
}

TEST(Cycle16Amounts, HugeTypedUnitsBookAtTheEndsOfTheRange) {
    const std::string Min = forms::numText(forms::AmountMin), Max = forms::numText(forms::AmountMax);
    struct C { const char* unit; std::vector<int> spins; std::string cwin; };
    const C cases[] = {
        {"3000000000000000000", {13}, Min},       // 5 units lost: no wrap into a gain
        {"1000000000000000000", {13, 25}, Min},   // 5 then 9 units lost
        {"100000000000000000", {0}, "3100000000000000000"},  // zero pays 31 units, however large
        {"1000000000000000000", {0}, Max},
    };
    for (const C& c : cases) {
        Session s{1};
        Frm3hgf& f = s.frm3hgf();
        f.Text10[0].click();
        f.Text10[3].setText(c.unit);
        for (int n : c.spins) feed(s, {n});
        EXPECT_EQ(f.Text11[0].text(), c.cwin) << c.unit << " x" << c.spins.size();
    }
}

TEST_F(Cycle16, TargetsCountsAndShares) {
    rareL();
    EXPECT_EQ(f.Text10[0].text(), "3");
    EXPECT_EQ(f.Text10[5].text(), "10,7142857142857");
    EXPECT_EQ(f.Text10[7].text(), "46");
    // The 16th marks L as a target and the alarm then turns it green: the dozen played next.
    EXPECT_EQ(f.Text10[0].backColor(), colors::Green);
    EXPECT_EQ(f.Text10[1].backColor(), colors::Window);
    feed(s, {13});
    EXPECT_EQ(shown(), "-5 8 0 0 -5 | 0 0");
}

TEST_F(Cycle16, AlarmLeavesAnotherGreenDozenAlone) {
    s.frm2opti().Text1[22].setText("99");  // M's run stays open
    play(1);
    rareL();
    EXPECT_EQ(f.Text10[1].backColor(), colors::Green);
    EXPECT_NE(f.Text10[0].backColor(), colors::Green);
    EXPECT_TRUE(s.st.b_betL3);
}

TEST_F(Cycle16, AlarmWithAWindowOfZeroMarksNothing) {
    rareL();
    ASSERT_TRUE(s.st.b_betL3);
    play(0);  // off again (white)
    s.frm2opti().Text1[21].setText("0");
    feed(s, {13});
    EXPECT_FALSE(s.st.b_betL3) << "cleared before the scan, not kept from the earlier spin";
    EXPECT_EQ(f.Text10[0].backColor(), colors::Window);
}

TEST(DozenAlarm, ExaminesOnlyTheFirstRareDozen) {
    passes::DozenRows rows{};
    rows.fill("M");
    rows[0] = "L";
    passes::AlarmInput in;
    in.fullHistory = true;
    in.counts = {4, 3, 20};
    in.window = 7;
    in.maxAll = 30;
    in.shares = {"10", "10", "50"};
    const auto r = passes::dozenAlarm(rows, in);
    EXPECT_EQ(r.examined, 0);
    EXPECT_FALSE(r.flag);
    EXPECT_FALSE(r.turnsGreen) << "M would qualify, but only L is examined";
    in.window = 99;  // beyond the history: only the 28 rows are read
    in.counts = {20, 3, 20};
    EXPECT_FALSE(passes::dozenAlarm(rows, in).flag);
}

// The targets and the alarm read the shares from the figures the 16th showed: the whole value
// must be the one its box's text gives, also where the text's last digit decides a half.
TEST_F(Cycle16, SharesReadFromTheFiguresMatchTheirBoxes) {
    for (double v : {33.333333333333336, 12.5, 13.5, 12.499999999999998, 13.499999999999998, 66.66666666666667,
                     0.0, 100.0, 45.5000001, 7.4999999, 1e8 + 0.5}) {
        auto& st = s.st;
        st.l_lperc = v;
        st.l_mperc = v;
        st.l_hperc = static_cast<int32_t>(v);
        for (int k = 0; k < 2; ++k) f.Text10[5 + k].setNumber(v);
        f.Text10[7].setNumber(st.l_hperc);
        st.sharesShown = true;
        char buf[3 * forms::NumTextMax];
        const auto shares = passes::shownShares(st, f, buf);
        for (int k = 0; k < 3; ++k)
            EXPECT_EQ(forms::toInt(shares[static_cast<size_t>(k)]), forms::toInt(f.Text10[5 + k].text())) << v;
    }
}
