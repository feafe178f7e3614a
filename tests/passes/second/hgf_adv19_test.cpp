#include "passes/second/hgf_adv19.h"

#include <gtest/gtest.h>

#include "panels/frm3hgf.h"
#include "panels/frm5help.h"
#include "passes/second/systems.h"
#include "settings/frm2opti.h"
#include "support/feed.h"

using namespace passes;
using routines::AdvSchedule;

namespace {

struct HgfAdv : ::testing::Test {
    Session s{1};
    Frm3hgf& h = s.frm3hgf();
    Frm5help& help = s.frm5help();
    // Without the average filter the plays do not depend on the first pass's hit counts.
    HgfAdv() { s.frm2opti().Check2[15].setValue(0); }
    std::string marks(int n) { return h.Label12[n].caption() + "/" + h.Label13[n].caption(); }
};

// A core run: number 4 comes with `count`, `staked` and `riding` on it.
double booked(AdvSchedule sch, int64_t start, int32_t count, int32_t staked, int64_t riding) {
    state::Sys19thAdvState st;
    Adv19Input in;
    in.start = start;
    in.schedule = sch;
    in.newest = 4;
    st.AdvNonAppear[4] = count;
    st.AdvStaked[4] = staked;
    in.riding[4] = riding;
    hgfAdv19(st, in, [](int64_t next) { return next; });
    EXPECT_EQ(st.AdvStaked[4], 0);  // also when a start of 0 plays the number again at once
    return st.i_cwin19.value();
}

}  // namespace

TEST_F(HgfAdv, PlaysEveryNumberPastItsCountAndBooksHitsWithTheirStakes) {
    s.frm2opti().Text1[24].setText("2");  // M90 is selected at start
    feed(s, {5});
    EXPECT_EQ(h.NonAppearLabels(6).caption() + " " + marks(6) + " " + help.Text3.text(), "1 0/0 ");
    feed(s, {6});  // every number but 5 and 6 now waits 2: played, stake 1, 90 spins left
    EXPECT_EQ(marks(7) + " " + marks(5) + " " + help.Text1[22].text(), "1/90 0/0 35");
    EXPECT_EQ(h.Label12[7].backColor(), 0xC0C000u);
    EXPECT_EQ(h.NonAppearLabels(7).backColor(), 0xC000u);
    EXPECT_EQ(h.Label12[5].backColor(), 0x80000007u);
    feed(s, {7});  // 7 comes on its first played spin: 36 x 1 less its one unit; 5 starts
    EXPECT_EQ(help.Text3.text() + " " + help.Text1[22].text() + " " + marks(7) + " " + marks(8), "35 36 0/0 1/89");
    feed(s, {8});  // 8 staked 1 before and 1 on this spin
    EXPECT_EQ(help.Text3.text() + " " + h.Label2[Frm3hgf::MaxLabel].caption() + " " + help.Text1[21].text(), "69 4 ");
}

TEST_F(HgfAdv, S90RaisesTheCountForEveryNumberAtTheEndOfItsCycle) {
    s.frm2opti().Option1[0].click();
    s.frm2opti().Text1[24].setText("1");
    for (int i = 0; i < 90; ++i) feed(s, {0});
    EXPECT_EQ(marks(1), "7/1");
    feed(s, {0});  // the others wait 91: the cycle restarts at 91 for all of them
    EXPECT_EQ(s.frm2opti().Text1[24].text(), "91");
    EXPECT_EQ(marks(1) + " " + marks(36) + " " + help.Text3.text(), "1/90 1/90 ");
}

TEST_F(HgfAdv, NoHitsPaintEveryHitCountOrangeAndBadCountsSettleNothing) {
    nineteenthHgfAdv(s);
    for (int n = 0; n <= 36; ++n) EXPECT_EQ(h.HitCounts(n).backColor(), 0x80FFu) << n;
    EXPECT_EQ(h.Label14[4].caption() + h.Label14[5].caption() + h.Label14[6].caption(), "000");
    h.HitCounts(3).setText("many");
    nineteenthHgfAdv(s);
    EXPECT_EQ(h.NonAppearLabels(4).caption(), "1");
}

TEST(HgfAdvCore, HitsBookTheirWholePlayAndLateOnesTheScheduleCost) {
    EXPECT_EQ(booked(AdvSchedule::M90, 10, 12, 30, 2), 72 - 32);  // the riding stake is part of the play
    EXPECT_EQ(booked(AdvSchedule::M90, 0, 30, 30, 2), 72 - 32);
    EXPECT_EQ(booked(AdvSchedule::M90, 100, 190, 373, 0), -373);  // place 91 stakes nothing
    EXPECT_EQ(booked(AdvSchedule::M90, 100, 191, 373, 0), -373);
    EXPECT_EQ(booked(AdvSchedule::S90, 100, 191, 247, 0), -247);
    EXPECT_EQ(booked(AdvSchedule::None, 100, 242, 1141, 0), -1141);
    EXPECT_EQ(booked(AdvSchedule::S90, 100, 49, 60, 2), 72 - 62);  // left below a raised start
}

TEST(HgfAdvCore, PlaysThatEndWithoutTheirNumberLoseTheirStakes) {
    state::Sys19thAdvState st;
    Adv19Input in;
    in.start = 10;
    in.schedule = AdvSchedule::S90;
    st.AdvNonAppear[2] = 49;  // before the restart in the loop: keeps its play this spin
    st.AdvNonAppear[3] = 99;  // place 91 after this spin: restarts at 100
    st.AdvNonAppear[5] = 49;  // played, but below the new start
    st.AdvStaked[5] = 60;
    in.riding[5] = 2;
    int64_t raised = 0;
    auto r = hgfAdv19(st, in, [&](int64_t next) { return raised = next; });
    EXPECT_EQ(raised, 100);
    EXPECT_EQ(r.numbers[3].stake * 100 + r.numbers[3].left, 190);
    EXPECT_TRUE(r.numbers[2].played);
    EXPECT_FALSE(r.numbers[5].played);
    EXPECT_EQ(st.i_cwin19.value(), -62);

    // The average filter: Avg 4,1 counts as 4 for playing; below it a play ends.
    state::Sys19thAdvState f;
    in = {};
    in.start = 5;
    in.averageFilter = true;
    in.hits.fill(4);
    in.hits[9] = 8;
    in.hits[7] = 3;
    f.AdvNonAppear[7] = f.AdvNonAppear[9] = f.AdvNonAppear[10] = 95;
    f.AdvStaked[7] = 10;
    in.riding[7] = 1;
    r = hgfAdv19(f, in, [](int64_t next) { return next; });
    EXPECT_DOUBLE_EQ(r.avg, 4.1);
    EXPECT_EQ(std::string() + "01"[r.numbers[7].played] + "01"[r.numbers[9].played] + "01"[r.numbers[10].played], "011");
    EXPECT_EQ(f.i_cwin19.value(), -11);
    EXPECT_EQ(f.i_loses19.value(), 2);  // 9 and 10 are past the M90 schedule
}
