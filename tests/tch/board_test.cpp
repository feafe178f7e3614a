// The TCh board as the player sees it: spins typed into the entry box, the window's boxes,
// caption colours and title read back.
#include <gtest/gtest.h>

#include <string>

#include "forms/amounts.h"
#include "panels/frm5help.h"
#include "panels/frm7tch.h"
#include "support/feed.h"

namespace {

constexpr forms::Color Green = 0x00C000, White = 0xFFFFFF;

struct Window {
    Session s{1};
    Frm7tch& w = s.frm7tch();

    const std::string& box(int i) { return w.Text1[i].text(); }
    forms::Color fore(int label) { return w.Label1[label].foreColor(); }
    void type(int i, const char* t) { w.Text1[i].edit(t); }
};

struct Board : ::testing::Test, Window {};

}  // namespace

TEST_F(Board, CaptionShowsBothTotalsFromTheFirstSpin) {
    EXPECT_EQ(w.caption(), "TCh");
    feed(s, {1});
    EXPECT_EQ(w.caption(), "TchAll  0 1P 0");
}

TEST(BoardTotals, StayAtTheRangeEndsWhereTheFirstHgfRowIs) {
    struct Case { int64_t hgf, alternation; const char* caption; };
    for (auto c : {Case{forms::AmountMin, -7, "TchAll  -9223372036854775808 1P 0"},
                   Case{forms::AmountMax, 7, "TchAll  9223372036854775807 1P 0"}}) {
        Window t;
        t.s.st.l_cwin227 = c.hgf;
        t.s.st.l_cwin2210 = c.alternation;
        feed(t.s, {1, 2});  // the second spin compares with the total the first one kept
        EXPECT_EQ(t.w.caption(), c.caption);
    }
}

// Row "5,15,25,35" with limit 3: armed by the third miss, then a hit or a miss on its first bet.
TEST_F(Board, FinalsRowArmsAtItsLimitAndBooksItsFirstBet) {
    struct Case { int spin; const char *cwin, *cwMin, *sleep, *rounds, *caption; forms::Color label; };
    // The partner row armed on 1, 2, 3 loses 3 on either spin: it counts in the first total only.
    for (auto c : {Case{25, "32", "0", "0", "3", "TchAll  29 1P 32", White},
                   Case{7, "-4", "-4", "4", "4", "TchAll  -7 1P -4", Green}}) {
        Window t;
        t.type(6, "3");
        feed(t.s, {1, 2, 3});
        EXPECT_EQ(t.fore(7), Green);
        EXPECT_EQ(t.s.st.i_cnt220, 1);
        feed(t.s, {c.spin});
        EXPECT_EQ(t.box(0), c.cwin) << c.spin;
        EXPECT_EQ(t.box(1), c.cwMin) << c.spin;
        EXPECT_EQ(t.box(2), "1") << c.spin;
        EXPECT_EQ(t.box(163), c.sleep) << c.spin;
        EXPECT_EQ(t.box(185), c.rounds) << c.spin;  // the longest sleep, this very spin
        EXPECT_EQ(t.w.caption(), c.caption);
        EXPECT_EQ(t.fore(7), c.label) << c.spin;
    }
}

TEST_F(Board, DoublesRowHighlightsItsSleepOnlyAboveTheLimit) {
    type(34, "2");
    feed(s, {1, 2});
    EXPECT_EQ(fore(11), Green);
    EXPECT_EQ(w.Text1[167].backColor(), forms::colors::Black);  // 2 is not above 2
    feed(s, {3});
    EXPECT_EQ(box(28), "-3");
    EXPECT_EQ(w.Text1[167].backColor(), Green);
    feed(s, {22});
    EXPECT_EQ(box(28), "30");
    EXPECT_EQ(w.Text1[167].backColor(), forms::colors::Black);
    EXPECT_EQ(fore(11), White);
}

TEST_F(Board, LimitZeroBetsEverySpinAndReArmsOnTheHit) {
    type(27, "0");  // "0,10,20,30"
    feed(s, {1, 0});
    EXPECT_EQ(box(21), "28");  // -4, then zero pays 32
    EXPECT_EQ(fore(10), Green);
}

TEST_F(Board, LimitThatIsNoWholeNumberKeepsTheRowCounting) {
    for (const char* bad : {"abc", "", "2,5", "-"}) {
        Window t;
        t.type(6, bad);
        feed(t.s, {1, 2, 3, 4, 6});
        EXPECT_EQ(t.box(163), "5") << bad;
        EXPECT_EQ(t.box(0), "0") << bad;
        EXPECT_NE(t.fore(7), Green) << bad;
        t.type(6, "3");  // a number again: the row bets from the next spin, unarmed
        feed(t.s, {7});
        EXPECT_EQ(t.box(0), "-4") << bad;
    }
}

TEST_F(Board, SectorRowsShareTheirLimitAndShowTheirCores) {
    type(231, "2");
    feed(s, {0});
    EXPECT_EQ(box(239), "0");  // Rounds of the sector rows lag one spin
    feed(s, {10});
    EXPECT_EQ(box(239), "1");
    for (int label : {47, 49, 50, 51, 52, 59}) EXPECT_EQ(fore(label), Green) << label;
    EXPECT_NE(fore(48), Green);  // "5,10,24" holds the 10
    EXPECT_EQ(w.Label1[47].caption(), "22,29");
    EXPECT_EQ(w.Label1[50].caption(), "6,34,27");
    EXPECT_EQ(w.Label1[59].caption(), "30,8,23");
}

// Row "5,10,24" armed at 2, widening at step 3: two core misses, then a hit in the wide group.
TEST_F(Board, SectorRowWidensAtTheWideningStep) {
    type(231, "2");
    type(233, "3");
    feed(s, {0, 0, 0});
    EXPECT_EQ(w.Label1[48].caption(), "5,10,24");
    feed(s, {0});
    EXPECT_EQ(box(242), "-6");
    EXPECT_EQ(w.Label1[48].caption(), "23,10,5,24,16");
    feed(s, {23});
    EXPECT_EQ(box(242), "25");  // 31 on the five numbers
    EXPECT_EQ(fore(48), White);
    EXPECT_EQ(w.Label1[48].caption(), "23,10,5,24,16");  // waits on its wide group until armed again
}

TEST_F(Board, SectorStakePastTheLadderLimitIsTheRowsOwn) {
    type(231, "1");
    type(232, "2");
    feed(s, {0, 0, 0});  // armed at step 1, misses take step to 2 and 3
    EXPECT_EQ(box(244), "0");  // "5,10,24" stakes nothing past the limit
    EXPECT_EQ(box(235), "1");  // "22,29" stakes 1
}

TEST_F(Board, StreakRecordsTakeTheLongestColumnRuns) {
    feed(s, {2, 1, 4, 7, 10, 13, 16, 19, 22});  // one second-column spin, then eight of the first
    auto& help = s.frm5help();
    EXPECT_EQ(help.Text1[18].text(), "8");
    EXPECT_EQ(help.Text1[19].text(), "1");
    EXPECT_EQ(help.Text1[17].text(), "8");
    EXPECT_EQ(help.Text1[17].backColor(), 0xFFFF00u);
    feed(s, {0});  // zero ends every run; the records stay
    EXPECT_EQ(help.Text1[17].text(), "8");
    EXPECT_EQ(help.Text1[17].backColor(), 0xFFFF00u);
    help.Text1[17].edit("none");
    feed(s, {3, 6});
    EXPECT_EQ(help.Text1[20].text(), "2");
    EXPECT_EQ(help.Text1[17].text(), "none");  // not a number: the record step does nothing
    help.Text1[17].edit("0");
    feed(s, {9});
    EXPECT_EQ(help.Text1[17].text(), "3");
    EXPECT_EQ(help.Text1[17].backColor(), 0xC0FFC0u);
}

TEST_F(Board, PartnerRowDerivesArmsAndWins) {
    feed(s, {36, 17, 5});
    EXPECT_EQ(w.Label1[12].caption(), "14 15 29");
    EXPECT_EQ(fore(12), Green);
    EXPECT_EQ(box(105), "24");
    feed(s, {14});
    EXPECT_EQ(box(35), "33");
    EXPECT_EQ(box(37), "1");
    EXPECT_EQ(box(39), "1");
    EXPECT_EQ(fore(12), White);
    EXPECT_EQ(box(105), "24");  // idle: bets-left keeps its text
    feed(s, {8});                // 8, 14, 5 differ: fresh partners, armed again
    EXPECT_EQ(w.Label1[12].caption(), "17 12 15");
    EXPECT_EQ(fore(12), Green);
}

TEST_F(Board, PartnerRowNeverBetsBeforeItHasNumbers) {
    feed(s, {5, 5, 17});
    EXPECT_NE(fore(12), Green);
    feed(s, {0});
    EXPECT_EQ(box(35), "0");  // the zero wins nothing on the empty third number
}

TEST_F(Board, AlternationRowArmsWinsAndLosesItsRun) {
    feed(s, {26});
    EXPECT_EQ(fore(16), Green);
    feed(s, {14});
    EXPECT_EQ(box(64), "34");
    EXPECT_EQ(box(68), "1");
    EXPECT_EQ(fore(16), White);
    feed(s, {14, 1, 2, 3, 4, 5});
    EXPECT_EQ(box(64), "24");
    feed(s, {14});  // closes the run unsettled, though it is one of the pair
    EXPECT_EQ(box(64), "24");
    EXPECT_EQ(box(69), "1");
    EXPECT_EQ(box(86), "1");
    EXPECT_EQ(fore(16), White);
}

TEST_F(Board, GoRowTakesItsPairFromTheBoxes) {
    feed(s, {8});  // no second spin yet: no arming
    EXPECT_NE(fore(15), Green);
    type(310, "2,5");  // not a whole number: the row matches no spin
    feed(s, {8, 28});
    EXPECT_NE(fore(15), Green);
    type(310, "28");
    feed(s, {28, 8});
    EXPECT_EQ(box(71), "34");
}

TEST_F(Board, SwitchRowCountsOnlyWhileOn) {
    w.Label1[21].click();
    feed(s, {1, 2, 3});
    EXPECT_EQ(box(109), "1");
    EXPECT_EQ(box(110), "27");
    w.Label1[21].click();
    feed(s, {4});
    EXPECT_EQ(box(110), "30");
    EXPECT_EQ(box(109), "1");
}

TEST_F(Board, GapRowsArmOnTheirPattern) {
    feed(s, {17, 3, 27});
    EXPECT_EQ(fore(41), Green);
    EXPECT_EQ(box(215), "1");
    feed(s, {7});
    EXPECT_EQ(box(211), "33");
    EXPECT_EQ(box(215), "0");
    EXPECT_EQ(fore(41), White);  // 27 before the hit is in the group: no new pattern
    feed(s, {1, 15, 15});
    EXPECT_EQ(fore(60), Green);  // "5-X-5" arms on a repeat
    feed(s, {4, 14, 34});
    EXPECT_NE(fore(42), Green);  // "4-X-4" needs another number between
    feed(s, {9, 4});
    EXPECT_EQ(fore(42), Green);
}
