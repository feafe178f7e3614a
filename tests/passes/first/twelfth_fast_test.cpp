// 12th FAST on the FAST panel, driven through the entry box.
#include <gtest/gtest.h>

#include "panels/frm6fast.h"
#include "passes/first/twelfth_fast.h"
#include "support/feed.h"

namespace colors = forms::colors;

namespace {

struct TwelfthFast : ::testing::Test {
    Session s{1};
    Frm1basic& m = s.frm1basic();
    Frm6fast& f = s.frm6fast();

    // Skips of 1 all the way: thirteen spins, twelve FASS skips; the last spin is 36.
    void thirteenFassSpins() { feed(s, {32, 15, 19, 4, 21, 2, 25, 17, 34, 6, 27, 13, 36}); }
    void clearHistory() {
        for (int i = 1; i <= 28; ++i) {
            m.Text1[i].setText("");
            m.Text2[i].setText("");
        }
    }
};

}  // namespace

TEST(FassVerdict, CountsOnlyFassSkips) {
    struct C { std::array<int32_t, 12> window; const char* text; forms::Color back; };
    for (auto c : {C{{16, 13, 8, 5, 0, 0, 0, 0, 0, 0, 0, 0}, "YES 4", colors::Green},
                   C{{1, 2, 3, 5, 8, 4, 6, 7, 9, 10, 0, 17}, "NM 5", colors::Red},
                   C{{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 16}, "NO 12", colors::Red},
                   C{{0, 4, 6, 7, 9, 10, 11, 12, 14, 15, 17, 0}, "YES 0", colors::Green}}) {
        const auto v = passes::fassVerdict(c.window);
        EXPECT_EQ(v.text, c.text);
        EXPECT_EQ(v.back, c.back) << c.text;
    }
}

TEST_F(TwelfthFast, VerdictFillsOnceWithoutStartGame) {
    struct C { std::vector<int> spins; const char* text; forms::Color back; };
    for (const auto& c : {C{{32, 15, 19, 4, 21, 21, 21, 21, 21, 21, 21, 21, 21}, "YES 4", colors::Green},
                          C{{32, 15, 19, 4, 21, 2, 2, 2, 2, 2, 2, 2, 2}, "NM 5", colors::Red},
                          C{{32, 15, 19, 4, 21, 2, 25, 17, 34, 6, 27, 13, 36}, "NO 12", colors::Red}}) {
        Session t{1};
        for (int n : c.spins) enter(t, forms::numText(n));
        EXPECT_EQ(t.frm6fast().Label1.caption(), c.text);
        EXPECT_EQ(t.frm6fast().Label1.backColor(), c.back) << c.text;
        feed(t, {0, 0, 0});  // the window holds once it is full
        EXPECT_EQ(t.frm6fast().Label1.caption(), c.text);
    }
}

TEST_F(TwelfthFast, SettlesThePreviousSpinsBet) {
    thirteenFassSpins();
    f.Check1.click();
    ASSERT_EQ(f.Text2[3].text(), "19,24,26,3");
    ASSERT_EQ(f.Text2[4].text(), "1");

    feed(s, {19});  // left out on the previous spin, a LOW skip of 8
    EXPECT_EQ(f.Text1[4].text(), "-33");
    EXPECT_EQ(f.Text2[1].text(), "LOW");
    EXPECT_EQ(f.Text2[4].text(), "13") << "a LOW loss raises the stake to Maxbet";
    EXPECT_EQ(f.Text2[3].text(), "4,16,4,16") << "two oldest skips of 1 from 19's pair";
    EXPECT_EQ(f.Label3.caption(), "13");
    EXPECT_EQ(f.Check1.backColor(), colors::Green);

    feed(s, {7});
    EXPECT_EQ(f.Text1[4].text(), "6") << "+3 x 13 at the stake saved from the previous spin";
}

TEST_F(TwelfthFast, BoxesThatAreNoNumbersSettleNothing) {
    thirteenFassSpins();
    f.Check1.click();
    for (auto [box, text] : {std::pair{4, "x"}, std::pair{3, "19,x,26,3"}}) {
        f.Text2[box].setText(text);
        feed(s, {19});
        EXPECT_EQ(f.Text1[4].text(), "0") << text;
        EXPECT_NE(f.Text2[4].text(), "13") << text;
    }
    f.Text1[3].setText("");
    feed(s, {19});
    EXPECT_EQ(f.Text1[4].text(), "0");
}

TEST_F(TwelfthFast, AfterTheHistoryIsEmptiedItWaitsForThirteenSpins) {
    thirteenFassSpins();
    f.Check1.click();
    feed(s, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    const std::string cwin = f.Text1[4].text();
    clearHistory();
    for (int i = 0; i < 12; ++i) feed(s, {5});
    EXPECT_EQ(f.Text2[5].text(), "0") << "the engine did not run on twelve spins";
    EXPECT_EQ(f.Text1[4].text(), cwin);
    feed(s, {5});
    EXPECT_EQ(f.Text2[5].text(), "5");
    EXPECT_EQ(f.Label3.caption(), "0") << "no skip from before the history was emptied is counted";
}
