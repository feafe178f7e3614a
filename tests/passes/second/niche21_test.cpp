#include "passes/second/niche21.h"

#include <gtest/gtest.h>

#include <vector>

#include "panels/frm6fast.h"
#include "settings/frm2opti.h"
#include "support/feed.h"

using namespace passes;

namespace {

struct Niche : ::testing::Test {
    Session s{1};
    Frm1basic& main = s.frm1basic();  // its load fills the window boxes from the options
    Frm6fast& f = s.frm6fast();
    std::string box(int i) { return f.Text4[i].text(); }
    void seventeenSevens() {
        for (int i = 0; i < 17; ++i) feed(s, {7});
    }
};

// Result changes of one sector over a run of misses and hits, at the design window 12..17.
std::vector<int64_t> bookings(NicheSector& sec, int sector, const std::vector<bool>& hits, int64_t multiplier = 2) {
    std::vector<int64_t> out;
    NicheColour colour;
    for (bool hit : hits) {
        const int64_t before = sec.cwin;
        nicheSector(sec, sector, hit, {12, 17}, 17, multiplier, colour);
        out.push_back(sec.cwin - before);
    }
    return out;
}

}  // namespace

TEST_F(Niche, SeventeenSevensRunSectorAThroughItsWindow) {
    seventeenSevens();
    EXPECT_EQ(box(1), "-81");  // 13, 14, 15 at 1, 16 and 17 at 3
    EXPECT_EQ(box(13), "2");
    EXPECT_EQ(box(14), "1");
    EXPECT_EQ(box(0), "17");
    EXPECT_EQ(f.Text4[0].foreColor(), forms::colors::Red);
    EXPECT_EQ(box(3), "5");
    EXPECT_EQ(box(2), "255");  // 7 pays 3 units of 5
    EXPECT_EQ(box(4), "5");
    EXPECT_EQ(box(7), "0");    // sector B holds the 7
    EXPECT_EQ(box(17), "-90");  // D bets its ten numbers
    EXPECT_EQ(box(30), "-252");
    EXPECT_EQ(box(32), "12,75");  // B's Mx stays 0: it comes every spin
    EXPECT_EQ(box(31), "17");
}

TEST(NicheCore, WindowsStakesAndTheMultiplierOffset) {
    NicheSector a;
    std::vector<bool> run(21, false);
    run.push_back(true);  // comes at 22, past the window: books nothing
    auto got = bookings(a, 0, run);
    EXPECT_EQ(std::vector<int64_t>(got.begin() + 12, got.begin() + 17), (std::vector<int64_t>{-9, -9, -9, -27, -27}));
    EXPECT_EQ(a.mlt, 2);
    EXPECT_EQ(a.cyc, 1);
    EXPECT_EQ(a.bb, 1);
    EXPECT_EQ(a.mx, 21);
    // The next window bets 1 at 13 (A does not stake at 12), then 3, then 5; a hit at 17 pays.
    got = bookings(a, 0, std::vector<bool>{false, false, false, false, false, false, false, false, false, false, false,
                                           false, false, false, false, false, true});
    EXPECT_EQ(std::vector<int64_t>(got.begin() + 12, got.end()), (std::vector<int64_t>{-9, -27, -27, -45, 27 * 5}));
    EXPECT_EQ(a.mlt, 0);
    EXPECT_EQ(a.cyc, 0);

    // B stakes from 12 on; a hit books 36 x B - 9 x B and lowers Mlt only while above 1.
    NicheSector b;
    b.mlt = 2;
    got = bookings(b, 1, std::vector<bool>(13, false));
    EXPECT_EQ(got.back(), -27);
    b.mlt = 1;
    b.napp = 13;
    bookings(b, 1, {true});
    EXPECT_EQ(b.mlt, 1);
}

TEST(NicheCore, StakeNeverNegativeAndBadWindowsOnlyCount) {
    NicheSector a;
    a.napp = 14;
    a.mlt = 3;
    a.bb = 4;
    NicheColour colour;
    nicheSector(a, 0, true, {12, 17}, 17, 5, colour);  // Mlt 3 - 5 = -2
    EXPECT_EQ(a.mlt, -2);
    EXPECT_EQ(a.cwin, 27 * 4);
    for (int i = 0; i < 13; ++i) nicheSector(a, 0, false, {12, 17}, 17, 5, colour);
    EXPECT_EQ(a.bb, 0);
    EXPECT_EQ(colour, NicheColour::Green);

    NicheSector c;
    c.napp = 14;
    c.bb = 3;
    nicheSector(c, 2, false, {std::nullopt, 17}, 17, 2, colour);
    EXPECT_EQ(c.napp, 15);
    EXPECT_EQ(c.cwin, 0);
    EXPECT_EQ(c.bb, 3);
    EXPECT_EQ(colour, NicheColour::Keep);
    nicheSector(c, 2, true, {12, std::nullopt}, 17, 2, colour);
    EXPECT_EQ(c.napp, 0);
    EXPECT_EQ(c.bb, 3);
    EXPECT_EQ(c.mx, 15);
}

TEST(NicheCore, SideBetTable) {
    const std::pair<int, std::vector<int>> table[] = {
        {-4, {0, 20, 22, 26, 28}}, {-2, {13, 14, 16, 17, 21, 29, 32, 35}}, {-1, {2, 4, 8, 10, 24}},
        {0, {19, 23, 25, 34, 31}}, {1, {11, 15, 18, 30, 33, 36}},          {2, {6}},
        {3, {1, 5, 7, 27}},        {4, {12}},                               {7, {3, 9}}};
    int covered = 0;
    for (const auto& [units, spins] : table)
        for (int n : spins) {
            EXPECT_EQ(nicheSideBet(n, 5), units * 5) << n;
            ++covered;
        }
    EXPECT_EQ(covered, 37);
    EXPECT_EQ(nicheSideBet(-1, 5), 0);
}

TEST_F(Niche, SideBetStakeFollowsItsResultWhileTheSectorsStandStill) {
    s.frm2opti().Text1[31].setText("0");  // total target reached from the start
    feed(s, {0});
    EXPECT_EQ(box(2), "-20");
    feed(s, {12});  // below 0: the stake is 10 before this booking
    EXPECT_EQ(box(4), "10");
    EXPECT_EQ(box(2), "20");
    feed(s, {12});
    EXPECT_EQ(box(4), "5");
    EXPECT_EQ(box(2), "40");
    EXPECT_EQ(box(0), "0");  // the sector part did not run
    EXPECT_EQ(box(31), "0");
}

TEST_F(Niche, WindowBoxThatIsNoWholeNumberOnlyCounts) {
    f.Text4[34].setText("12,5");
    seventeenSevens();
    EXPECT_EQ(box(0), "17");
    EXPECT_EQ(box(1), "0");
    EXPECT_EQ(box(3), "1");
    EXPECT_EQ(box(13), "0");
    EXPECT_EQ(box(16), "-81");  // C is not affected
}
