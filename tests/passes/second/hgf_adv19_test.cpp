#include "passes/second/hgf_adv19.h"

#include <gtest/gtest.h>

#include "panels/frm3hgf.h"
#include "passes/second/systems.h"
#include "panels/frm5help.h"
#include "settings/frm2opti.h"
#include "support/feed.h"

using namespace passes;
using routines::AdvSchedule;

namespace {

constexpr forms::Color Idle = 0x80000007;

struct HgfAdv : ::testing::Test {
    Session s{1};
    Frm3hgf& h = s.frm3hgf();
    Frm5help& help = s.frm5help();
    void nonAppearCnt(const char* t) { s.frm2opti().Text1[24].setText(t); }
    // Without the average filter the plays do not depend on the first pass's hit counts.
    HgfAdv() { s.frm2opti().Check2[15].setValue(0); }
};

// A core run with every number's hits equal, no filter.
struct Core {
    state::Sys19thAdvState st;
    Adv19Input in;
    int64_t raisedTo = -1;
    Adv19Result run() {
        return hgfAdv19(st, in, [this](int64_t next) { return raisedTo = next; });
    }
};

}  // namespace

TEST_F(HgfAdv, PlaysEveryNumberPastItsCountAndBooksHitsWithTheirStakes) {
    nonAppearCnt("2");  // M90 is selected at start
    feed(s, {5});
    EXPECT_EQ(h.NonAppearLabels(5).caption(), "0");
    EXPECT_EQ(h.NonAppearLabels(6).caption(), "1");
    EXPECT_EQ(h.Label12[6].caption(), "0");
    EXPECT_EQ(help.Text3.text(), "");  // nothing booked yet
    EXPECT_EQ(help.Text1[22].text(), "");

    feed(s, {6});  // every number but 5 and 6 now waits 2: played from here, stake 1, 90 left
    EXPECT_EQ(h.Label12[7].caption(), "1");
    EXPECT_EQ(h.Label13[7].caption(), "90");
    EXPECT_EQ(h.Label12[7].backColor(), 0xC0C000u);
    EXPECT_EQ(h.Label13[7].backColor(), 0xC000C0u);
    EXPECT_EQ(h.NonAppearLabels(7).backColor(), 0xC000u);
    EXPECT_EQ(h.Label12[5].caption(), "0");
    EXPECT_EQ(h.Label12[5].backColor(), Idle);
    EXPECT_EQ(help.Text1[22].text(), "35");

    feed(s, {7});  // 7 comes on its first played spin: 36 x 1 less the one unit staked
    EXPECT_EQ(help.Text3.text(), "35");
    EXPECT_EQ(help.Text1[22].text(), "36");  // 5 starts its play
    EXPECT_EQ(h.Label12[7].caption(), "0");
    EXPECT_EQ(h.Label13[8].caption(), "89");

    feed(s, {8});  // 8 has staked 1 before and 1 on this spin
    EXPECT_EQ(help.Text3.text(), "69");
    EXPECT_EQ(h.Label2[Frm3hgf::MaxLabel].caption(), "4");
    EXPECT_EQ(help.Text1[21].text(), "");
}

TEST_F(HgfAdv, S90RaisesTheCountForEveryNumberAtTheEndOfItsCycle) {
    s.frm2opti().Option1[0].click();
    nonAppearCnt("1");
    for (int i = 0; i < 90; ++i) feed(s, {0});
    EXPECT_EQ(s.frm2opti().Text1[24].text(), "1");
    EXPECT_EQ(h.Label12[1].caption(), "7");
    feed(s, {0});  // the others wait 91: place 91 restarts the cycle at 91
    EXPECT_EQ(s.frm2opti().Text1[24].text(), "91");
    EXPECT_EQ(h.Label12[1].caption(), "1");
    EXPECT_EQ(h.Label13[1].caption(), "90");
    EXPECT_EQ(h.Label12[36].caption(), "1");
    EXPECT_EQ(help.Text3.text(), "");  // every play goes on: nothing booked
}

TEST(HgfAdvCore, HitsBookTheirWholePlayAndLateOnesTheScheduleCost) {
    struct C { AdvSchedule sch; int32_t count; int32_t staked; int64_t riding; double cwin; };
    const C cases[] = {
        {AdvSchedule::M90, 12, 30, 2, 36 * 2 - 32},  // inside the schedule
        {AdvSchedule::M90, 100 + 90, 373, 0, -373},  // place 91 stakes nothing: the play cost 373
        {AdvSchedule::M90, 100 + 91, 373, 0, -373},  // after the schedule
        {AdvSchedule::S90, 100 + 91, 247, 0, -247},
        {AdvSchedule::ES141, 100 + 142, 1141, 0, -1141},
        {AdvSchedule::None, 100 + 142, 1141, 0, -1141},
    };
    for (const C& c : cases) {
        Core k;
        k.in.start = c.count >= 100 ? 100 : 10;
        k.in.schedule = c.sch;
        k.in.newest = 4;
        k.st.AdvNonAppear[4] = c.count;
        k.st.AdvStaked[4] = c.staked;
        k.in.riding[4] = c.riding;
        k.run();
        EXPECT_EQ(k.st.i_cwin19.value(), c.cwin) << c.count;
        EXPECT_EQ(k.st.AdvNonAppear[4], 0);
        EXPECT_EQ(k.st.AdvStaked[4], 0);
    }
}

TEST(HgfAdvCore, PlaysThatEndWithoutTheirNumberLoseTheirStakes) {
    Core k;
    k.in.start = 10;
    k.in.schedule = AdvSchedule::S90;
    k.in.newest = 0;
    k.st.AdvNonAppear[3] = 99;  // place 91 after this spin: restarts at 100
    k.st.AdvNonAppear[5] = 49;  // played, but below the new start
    k.st.AdvStaked[5] = 60;
    k.in.riding[5] = 2;
    k.st.AdvNonAppear[2] = 49;  // before the restart in the loop: keeps its play for this spin
    auto r = k.run();
    EXPECT_EQ(k.raisedTo, 100);
    EXPECT_EQ(r.numbers[3].stake, 1);
    EXPECT_EQ(r.numbers[3].left, 90);
    EXPECT_FALSE(r.numbers[5].played);
    EXPECT_EQ(k.st.i_cwin19.value(), -62);
    EXPECT_TRUE(r.numbers[2].played);

    // The average filter drops a number whose hits fall below the average.
    Core f;
    f.in.start = 5;
    f.in.averageFilter = true;
    f.in.hits.fill(4);
    f.in.hits[9] = 8;  // sum 152: Avg 4,1, which counts as 4; 4 is still played
    f.st.AdvNonAppear[9] = 20;
    f.st.AdvNonAppear[7] = 20;
    f.in.hits[7] = 3;
    f.st.AdvStaked[7] = 10;
    f.in.riding[7] = 1;
    r = f.run();
    EXPECT_DOUBLE_EQ(r.avg, 4.1);
    EXPECT_FALSE(r.numbers[7].played);
    EXPECT_TRUE(r.numbers[9].played);
    EXPECT_EQ(f.st.i_cwin19.value(), -11);
}

TEST(HgfAdvCore, FiguresOfNoHitsAndCountedLosses) {
    Core k;
    k.in.start = 0;
    k.in.schedule = AdvSchedule::M90;
    k.st.AdvNonAppear.fill(95);
    auto r = k.run();
    EXPECT_EQ(r.mn, 0);
    EXPECT_EQ(r.mx, 0);
    EXPECT_EQ(r.avg, 0);
    EXPECT_EQ(k.st.i_loses19.value(), 37);  // every number is past its schedule
    EXPECT_EQ(k.st.i_max19, 96);
}

TEST_F(HgfAdv, NoHitsPaintEveryHitCountOrange) {
    for (int n = 0; n <= 36; ++n) h.HitCounts(n).setText("0");
    passes::nineteenthHgfAdv(s);
    for (int n = 0; n <= 36; ++n) EXPECT_EQ(h.HitCounts(n).backColor(), 0x80FFu) << n;
    for (int i : {4, 5, 6}) EXPECT_EQ(h.Label14[i].caption(), "0");
    h.HitCounts(3).setText("many");  // not a figure: nothing is settled this spin
    passes::nineteenthHgfAdv(s);
    EXPECT_EQ(h.NonAppearLabels(4).caption(), "1");
}

TEST(HgfAdvCore, TheStakeOnTheWinningSpinIsBookedOnce) {
    // With a start of 0 the number that came is played again at once: its won stake is not
    // carried into the new play.
    Core k;
    k.in.start = 0;
    k.in.newest = 4;
    k.st.AdvNonAppear[4] = 30;
    k.st.AdvStaked[4] = 30;
    k.in.riding[4] = 2;
    auto r = k.run();
    EXPECT_EQ(k.st.i_cwin19.value(), 72 - 32);
    EXPECT_EQ(k.st.AdvStaked[4], 0);
    EXPECT_TRUE(r.numbers[4].played);

    // A number the S90 restart left below the new start, coming on the spin its stake rode on.
    Core late;
    late.in.start = 100;
    late.in.newest = 5;
    late.st.AdvNonAppear[5] = 49;
    late.st.AdvStaked[5] = 60;
    late.in.riding[5] = 2;
    late.run();
    EXPECT_EQ(late.st.i_cwin19.value(), 72 - 62);
}
