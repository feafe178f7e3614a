#include "passes/second/waves17.h"

#include <gtest/gtest.h>

#include <limits>

#include "panels/frm3hgf.h"
#include "panels/frm5help.h"
#include "support/feed.h"

using namespace passes;

namespace colors = forms::colors;

TEST(WavesCore, ScheduleWindows) {
    struct C { int pos; unsigned waves; bool ends; };
    const C cases[] = {{1, 0b0001, false}, {6, 0b0001, true},  {7, 0b0011, false}, {24, 0b1111, true},
                       {25, 0b1110, false}, {42, 0b1000, true}, {60, 0b1111, true}, {78, 0b0001, true}};
    for (const auto& c : cases) {
        ASSERT_TRUE(waveWindow(c.pos)) << c.pos;
        EXPECT_EQ(waveWindow(c.pos)->waves, c.waves) << c.pos;
        EXPECT_EQ(windowEnds(c.pos), c.ends) << c.pos;
    }
    for (int pos : {0, 79, 1000}) EXPECT_FALSE(waveWindow(pos)) << pos;
    EXPECT_FALSE(windowEnds(84));
}

struct Waves : ::testing::Test {
    Session s{1};
    Frm3hgf& h = s.frm3hgf();
    void pick(std::initializer_list<int> numbers) {
        for (int n : numbers) h.Text1[n].click();
    }
    void spins(int count, int n) {
        for (int i = 0; i < count; ++i) feed(s, {n});
    }
    std::string text(int i) { return h.Text13[i].text(); }
    // Several boxes, blank-separated.
    std::string texts(std::initializer_list<int> boxes) {
        std::string out;
        for (int i : boxes) {
            if (!out.empty()) out += ' ';
            out += h.Text13[i].text();
        }
        return out;
    }
};

TEST_F(Waves, FirstHitBooksTheProfitAndWaitsForNewNumbers) {
    pick({5, 10, 15, 20});
    feed(s, {5});
    EXPECT_EQ(s.frm5help().Text1[1].text(), "35");
    EXPECT_EQ(text(8), "35") << "the sum before the profit stays";
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(h.WaveBoxes(k).text(), "N");
        EXPECT_EQ(h.WaveBoxes(k).backColor(), colors::White);
        EXPECT_EQ(text(k), "0");
        EXPECT_EQ(text(4 + k), "1");
    }
    EXPECT_EQ(s.st.i_spincnt17, 1);
    feed(s, {10});
    EXPECT_EQ(text(9), "1") << "idle: nothing counts";
}

TEST_F(Waves, WavesEnterAndLeaveAndStakesFollowTheLoss) {
    pick({1, 2, 3, 4});
    spins(6, 36);
    EXPECT_EQ(texts({0, 1}), "-6 0");
    EXPECT_EQ(h.WaveBoxes(1).backColor(), colors::BrightGreen);
    spins(7, 0);  // a zero misses every wave in play
    EXPECT_EQ(texts({0, 1, 4}), "-13 -7 1");
    spins(11, 36);  // to position 24: wave 1 is booked, then leaves
    EXPECT_EQ(text(0), "-24");
    EXPECT_EQ(h.WaveBoxes(0).backColor(), colors::White);
    spins(30, 36);  // 25..54: wave 1 waits and comes back at 54
    EXPECT_EQ(text(0), "-24");
    EXPECT_EQ(h.WaveBoxes(0).backColor(), colors::BrightGreen);
    spins(11, 36);  // 55..65
    EXPECT_EQ(texts({0, 4}), "-35 2");
    EXPECT_EQ(text(9), "65");
    EXPECT_EQ(text(10), text(8)) << "the low is the sum while it only falls";
}

TEST_F(Waves, AfterTheCycleOnlyTheCountersMove) {
    pick({1, 2, 3, 4});
    spins(78, 36);
    const std::string sum = text(8);
    spins(30, 36);
    EXPECT_EQ(text(8), sum);
    EXPECT_EQ(text(9), "108");
    EXPECT_EQ(text(11), "108");
}

TEST_F(Waves, ThreePicksBookNothing) {
    pick({1, 2, 3});
    spins(10, 1);
    EXPECT_EQ(text(0), "0");
    EXPECT_EQ(text(9), "1");
    EXPECT_EQ(s.frm5help().Text1[1].text(), "0");
}

TEST_F(Waves, PositionCountsPastTheOldSixteenBitRange) {
    pick({1, 2, 3, 4});
    s.st.i_spincnt17 = 32767;
    s.st.i_allspins17 = std::numeric_limits<int32_t>::max();
    spins(2, 36);
    EXPECT_EQ(text(9), "32768");
    EXPECT_EQ(s.st.i_allspins17, std::numeric_limits<int32_t>::max()) << "the count stops at its top";
}
