#include "passes/second/niche21.h"

#include <gtest/gtest.h>

#include <vector>

#include "forms/amounts.h"
#include "forms/convert.h"
#include "panels/frm6fast.h"
#include "settings/frm2opti.h"
#include "support/feed.h"

using namespace passes;

namespace {

struct Niche : ::testing::Test {
    Session s{1};
    Frm1basic& main = s.frm1basic();  // its load fills the window boxes from the options
    Frm6fast& f = s.frm6fast();
    std::string boxes(std::initializer_list<int> ids) {
        std::string out;
        for (int i : ids) out += f.Text4[i].text() + " ";
        return out;
    }
};

// The result changes of one sector over misses (0) and hits (1) at the design window 12..17.
std::vector<int64_t> bookings(NicheSector& sec, int sector, std::vector<int> run, int64_t multiplier = 2) {
    std::vector<int64_t> out;
    NicheColour colour;
    for (int hit : run) {
        const int64_t before = sec.cwin;
        nicheSector(sec, sector, hit != 0, {12, 17}, 17, multiplier, colour);
        out.push_back(sec.cwin - before);
    }
    return out;
}

}  // namespace

TEST_F(Niche, SeventeenSevensRunSectorAThroughItsWindow) {
    for (int i = 0; i < 17; ++i) feed(s, {7});
    // A: Cwin, Mlt, Cyc, NApp, Bbet; the side bet; B holds the 7; D bets ten numbers; totals
    EXPECT_EQ(boxes({1, 13, 14, 0, 3, 2, 4, 7, 17, 30, 32, 31}), "-81 2 1 17 5 255 5 0 -90 -252 12,75 17 ");
}

TEST_F(Niche, TheNAppGroundShowsWhenASectorIsBetAndWhenItRunsLong) {
    struct Step {
        int sevens;  // sector A misses them all
        forms::Color back;
    };
    const Step steps[] = {{1, forms::colors::Black},
                          {11, forms::colors::Black},
                          {12, forms::colors::Green},  // from "InS" on the next spin is bet
                          {16, forms::colors::Green},
                          {17, forms::colors::Red}};  // A's red limit is its "InE"
    int fed = 0;
    for (const Step& st : steps) {
        for (; fed < st.sevens; ++fed) feed(s, {7});
        EXPECT_EQ(f.Text4[0].text(), forms::numText(st.sevens));
        EXPECT_EQ(f.Text4[0].backColor(), st.back) << "after " << st.sevens << " sevens";
        EXPECT_EQ(f.Text4[0].foreColor(), forms::colors::White) << "the panel's light figures";
    }
}

TEST_F(Niche, SideBetStakeFollowsItsResultWhileTheSectorsStandStill) {
    s.frm2opti().Text1[31].setText("0");  // the total target is reached from the start
    feed(s, {0, 12});  // -20, then at stake 10 (the result is below 0): +40
    EXPECT_EQ(boxes({2, 4, 0, 31}), "20 10 0 0 ");
    feed(s, {12});
    EXPECT_EQ(boxes({2, 4}), "40 5 ");
}

TEST_F(Niche, WindowBoxThatIsNoWholeNumberOnlyCounts) {
    f.Text4[34].setText("12,5");
    for (int i = 0; i < 17; ++i) feed(s, {7});
    EXPECT_EQ(boxes({0, 1, 3, 13, 16}), "17 0 1 0 -81 ");  // C is not affected
}

TEST(NicheCore, WindowsStakesAndTheMultiplierOffset) {
    NicheSector a;
    std::vector<int> run(21, 0);
    run.push_back(1);  // comes at 22, past the window: books nothing
    auto got = bookings(a, 0, run);
    EXPECT_EQ(std::vector<int64_t>(got.begin() + 12, got.begin() + 17), (std::vector<int64_t>{-9, -9, -9, -27, -27}));
    EXPECT_EQ(std::vector<int64_t>({a.mlt, a.cyc, a.bb, a.mx}), (std::vector<int64_t>{2, 1, 1, 21}));
    // The next window: 1 at 13 (A does not stake at 12), then 3 and 5; a hit at 17 pays 27 x 5.
    run.assign(16, 0);
    run.push_back(1);
    got = bookings(a, 0, run);
    EXPECT_EQ(std::vector<int64_t>(got.begin() + 12, got.end()), (std::vector<int64_t>{-9, -27, -27, -45, 135}));
    EXPECT_EQ(a.mlt + a.cyc, 0);
    NicheSector b;  // B stakes from 12 on
    b.mlt = 2;
    EXPECT_EQ(bookings(b, 1, std::vector<int>(13, 0)).back(), -27);
    b = {13, 0, 0, 0, 1, 1, 0};  // Mlt is lowered only while above 1
    bookings(b, 1, {1});
    EXPECT_EQ(b.mlt, 1);

}

TEST(NicheCore, StakeNeverNegativeAndBadWindowsOnlyCount) {
    NicheSector a{14, 0, 0, 0, 4, 3, 0};  // an offset above Mlt makes it negative: stakes stop at 0
    NicheColour colour;
    nicheSector(a, 0, true, {12, 17}, 17, 5, colour);
    EXPECT_EQ(a.mlt, -2);
    for (int i = 0; i < 13; ++i) nicheSector(a, 0, false, {12, 17}, 17, 5, colour);
    EXPECT_EQ(a.bb, 0);
    EXPECT_EQ(colour, NicheColour::Green);

    NicheSector c{14, 0, 0, 0, 3, 0, 0};
    nicheSector(c, 2, false, {std::nullopt, 17}, 17, 2, colour);
    EXPECT_EQ(std::vector<int64_t>({c.napp, c.cwin, c.bb}), (std::vector<int64_t>{15, 0, 3}));
    EXPECT_EQ(colour, NicheColour::Keep);
    nicheSector(c, 2, true, {12, std::nullopt}, 17, 2, colour);
    EXPECT_EQ(std::vector<int64_t>({c.napp, c.bb, c.mx}), (std::vector<int64_t>{0, 3, 15}));
}

TEST(NicheCore, MultiplierTypedInTheMillionsLeavesTheResultAtTheLowestAmount) {
    // Every absence that reaches MaxNapp 5 raises the offset by "999999999"; the number comes only
    // past the window 3..10, so each run loses at ever larger stakes and never books a win.
    const int64_t multiplier = forms::toInt("999999999").value();
    NicheSector a;
    NicheColour colour;
    for (int run = 0; run < 25'000; ++run)
        for (int spin = 0; spin <= 10; ++spin) {
            const int64_t before = a.cwin;
            nicheSector(a, 0, spin == 10, {3, 10}, 5, multiplier, colour);
            ASSERT_LE(a.cwin, before) << run;
        }
    EXPECT_EQ(a.cwin, forms::AmountMin);
    EXPECT_EQ(a.mincw, forms::AmountMin);
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
}
