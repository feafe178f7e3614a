// The 4th system's dozen advice and the 6th system's column counts, through the entry box.
#include <gtest/gtest.h>

#include <vector>

#include "settings/frm2opti.h"
#include "support/feed.h"

namespace colors = forms::colors;

namespace {

struct Dozens : ::testing::Test {
    Session s{1};
    Frm1basic& f = s.frm1basic();
    void option(int box, const char* text) { s.frm2opti().Text1[box].setText(text); }
    // n spins of each dozen, in the order L, M, H.
    void spins(int l, int m, int h) {
        for (int i = 0; i < l; ++i) feed(s, {1 + i % 12});
        for (int i = 0; i < m; ++i) feed(s, {13 + i % 12});
        for (int i = 0; i < h; ++i) feed(s, {25 + i % 12});
    }
};

}  // namespace

TEST_F(Dozens, FourthAdvisesTheTwoTrailingDozensWithItsProgression) {
    spins(5, 4, 12);  // 5 + 4 + 2 < 12
    EXPECT_TRUE(f.Text8[0].visible());
    EXPECT_EQ(f.Text8[0].text(), "L,M 1-1  3-3  9-9  27-27 80 E");
    feed(s, {7});  // 6 + 4 + 2 = 12: a tie is no advice, the text stays
    EXPECT_FALSE(f.Text8[0].visible());
    EXPECT_EQ(f.Text8[0].text(), "L,M 1-1  3-3  9-9  27-27 80 E");
}

TEST_F(Dozens, FourthWaitsForItsCheckingRowAndUsesTheMultiplicator) {
    option(2, "3");
    spins(0, 0, 9);
    EXPECT_FALSE(f.Text8[0].visible());
    EXPECT_EQ(f.Text8[0].text(), "TEXT");
    feed(s, {30});
    EXPECT_EQ(f.Text8[0].text(), "L,M 3-3  9-9  27-27  81-81 240 E");
}

TEST_F(Dozens, CheckingStartsBeyondTheHistoryAreClampedToItsLastRow) {
    option(1, "999");
    option(8, "-5");  // row 0 is the emptied entry box: never advice
    spins(0, 0, 27);
    EXPECT_FALSE(f.Text8[0].visible());
    feed(s, {30});
    EXPECT_TRUE(f.Text8[0].visible());
    EXPECT_EQ(f.Text14.text(), "");
    EXPECT_EQ(f.Text13[2].text(), "10");  // counting does not wait for the checking row
}

TEST_F(Dozens, SixthPaintsTheTwoTrailingColumnsFromTheSixthSpin) {
    for (int n : {1, 4, 7, 10, 13}) feed(s, {n});
    EXPECT_EQ(f.Text13[0].text(), "5");
    EXPECT_EQ(f.Text14.text(), "");  // row 6 still empty
    feed(s, {16});
    EXPECT_EQ(f.Text13[0].backColor(), colors::ButtonText);
    EXPECT_EQ(f.Text13[1].backColor(), colors::Green);
    EXPECT_EQ(f.Text13[2].backColor(), colors::Green);
    EXPECT_EQ(f.Text14.text(), "1-1  3-3  9-9  27-27");
    feed(s, {0});  // no count changes, the verdict is evaluated again
    EXPECT_EQ(f.Text13[1].backColor(), colors::Green);
    feed(s, {2, 3});  // 6 = 1 + 1 + 4: equal margins are no advice
    for (int i = 0; i < 3; ++i) EXPECT_EQ(f.Text13[i].backColor(), colors::ButtonText);
    EXPECT_EQ(f.Text14.text(), "");
}

TEST_F(Dozens, SixthNeverShowsThreeGreenColumns) {
    option(7, "-5");
    option(8, "1");
    feed(s, {1});  // 1 + 0 - 5 < 0: column 3 "leads", columns 1 and 2 are advised
    EXPECT_EQ(f.Text13[0].backColor(), colors::Green);
    for (int n : {4, 7, 10, 13, 16}) feed(s, {n});  // now column 1 leads
    EXPECT_EQ(f.Text13[0].backColor(), colors::ButtonText);
    EXPECT_EQ(f.Text13[1].backColor(), colors::Green);
    EXPECT_EQ(f.Text13[2].backColor(), colors::Green);
}

TEST_F(Dozens, SettingsThatAreNotNumbersSkipTheStep) {
    spins(0, 0, 12);
    ASSERT_TRUE(f.Text8[0].visible());
    s.frm2opti().Text1[3].design("x");  // as if the box held text its own check let through
    feed(s, {1, 2, 3});
    EXPECT_TRUE(f.Text8[0].visible());
    EXPECT_EQ(f.Text13[0].text(), "5");  // 25, 28, 31, 34 and 1
}
