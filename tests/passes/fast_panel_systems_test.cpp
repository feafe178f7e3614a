// The FAST panel's systems of the second pass: the 24th inverse gold ratio, the 12th Fast groups
// and tail, and the 25th Twins with the twin derivation.
#include <gtest/gtest.h>

#include "panels/frm6fast.h"
#include "passes/second/fast_groups.h"
#include "passes/second/gold_ratio24.h"
#include "passes/second/twins25.h"
#include "settings/frm2opti.h"
#include "settings/settings.h"
#include "shell/frm1basic.h"
#include "support/feed.h"

namespace {

using namespace passes;

gold24::Settings designSettings() { return {30, -126, 0.382, false, 50}; }

TEST(GoldRatio24, LeadersAreTakenUpToTheRatioAndTheNextHitBooksThirtySixLessTheStakes) {
    state::Sys24thState st;
    gold24::Figures fig;
    fig.spins = 100;
    for (auto& h : fig.hits) h = 1;
    fig.hits[7] = 20;
    fig.hits[3] = 19;
    EXPECT_EQ(gold24::step(st, 12, fig, designSettings()), "  7  3");
    EXPECT_DOUBLE_EQ(st.d_grat, 0.2);
    ASSERT_EQ(st.IgBetNumbers.size(), 3u);  // 7, 3 and the end mark
    EXPECT_EQ(st.IgBetNumbers.back().value(), -2);

    gold24::step(st, 7, fig, designSettings());
    EXPECT_EQ(st.l_cw24.value(), 34);
    // Past the profit target nothing more is booked, the choice goes on.
    gold24::step(st, 0, fig, designSettings());
    EXPECT_EQ(st.l_cw24.value(), 34);
    EXPECT_EQ(st.IgBetNumbers.size(), 3u);
}

TEST(GoldRatio24, EmptyListBooksNothingAndBadFiguresScoreNothing) {
    state::Sys24thState st;  // start value: only the end mark
    gold24::Figures fig;     // no spin counted, no hits readable
    gold24::step(st, 0, fig, designSettings());
    EXPECT_EQ(st.l_cw24.value(), 0);
    EXPECT_EQ(st.IgBetNumbers.size(), 1u);

    gold24::Settings withHgf = designSettings();
    withHgf.hgfDisadv = true;
    withHgf.divisor = 0;  // a divisor of 0 drops the HGF term
    EXPECT_DOUBLE_EQ(gold24::score(5, 12.5, 50, withHgf), 0.1);
    withHgf.divisor = 50;
    EXPECT_DOUBLE_EQ(gold24::score(5, 12.5, 50, withHgf), 0.1 - 0.25);
    EXPECT_DOUBLE_EQ(gold24::score(5, std::nullopt, 50, withHgf), 0.1);
}

struct FastSystems : ::testing::Test {
    Session s{3};
    void SetUp() override { s.frm2opti().Check2[4].setValue(0); }  // keep the six-line figures still
    std::string box(int i) { return s.frm6fast().Text4[i].text(); }
    forms::Color label(int i) { return s.frm6fast().Label4[i].foreColor(); }
};

// The scores come from the hit counts the HGF panel shows; Reset empties the sorted scores and
// the next spin shows them again.
TEST(GoldRatio24Panel, ScoresFollowTheHgfCountsAndReturnAfterAReset) {
    Session s{3};
    s.frm2opti().Check2[static_cast<int>(settings::Switch::HgfActive)].setValue(1);
    s.frm2opti().Option2[1].setValue(1);  // "HGF disadv" No
    auto& f = s.frm6fast();
    feed(s, {7, 7, 3, 12});
    const std::string zeros = [] {
        std::string z;
        for (int i = 0; i < 34; ++i) z += "  0";
        return z;
    }();
    EXPECT_EQ(f.Text4[63].text(), "  0,5  0,25  0,25" + zeros);
    EXPECT_EQ(f.Text4[64].text(), "  7");  // 0,5 crosses 0,382 and is still taken
    EXPECT_EQ(f.Text4[70].text(), "  7  -2");
    s.frm1basic().Command2.click();
    EXPECT_EQ(f.Text4[63].text(), "");
    feed(s, {3});
    EXPECT_EQ(f.Text4[63].text(), "  1" + zeros + "  0  0");
    EXPECT_EQ(f.Text4[70].text(), "  3  -2");
}

TEST_F(FastSystems, GroupCountsAndTheirVerdicts) {
    feed(s, {5, 15, 25});
    EXPECT_EQ(box(83) + box(84) + box(85) + box(86), "1110");
    EXPECT_EQ(label(66), forms::colors::Green);
    EXPECT_EQ(label(70), forms::colors::Yellow);
    Session two{3};
    feed(two, {5, 5});
    EXPECT_EQ(two.frm6fast().Text4[83].text(), "2");
    EXPECT_EQ(two.frm6fast().Label4[66].foreColor(), forms::colors::Yellow);
}

TEST_F(FastSystems, WaitsFromATwentySevenToTheNextSeventeen) {
    feed(s, {27, 3, 8, 17});
    EXPECT_EQ(box(93), "0");
    EXPECT_EQ(box(95), "2");
    feed(s, {27, 27, 17});  // a second 27 does not restart the wait
    EXPECT_EQ(box(95), "2");
    EXPECT_EQ(box(94), "6");  // no 7 since the first 27
}

TEST(FastTail, TripleBetLosesTheStakeThatRodeThenRunsOnAtNothing) {
    state::Sys12thPanelState st;
    const std::vector<std::string> theory{"", "0", "0", "0", "0", "0", "0", "0", "1", "2", "1"};
    const std::vector<std::string> list{"", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    ASSERT_TRUE(fast12::startTriple(st, theory, list));
    EXPECT_EQ(st.FastTripleNumbers[0], "9");
    for (int i = 0; i < 21; ++i) fast12::bookTriple(st, "0");
    EXPECT_EQ(st.i_cw4.value(), -93);
    EXPECT_EQ(st.i_bb_4.value(), 0);
    fast12::bookTriple(st, "8");  // a hit at stake 0 ends the bet and wins nothing
    EXPECT_EQ(st.i_cw4.value(), -93);
    EXPECT_FALSE(st.b_4);
    EXPECT_EQ(st.i_4max, 21);
    // Short lists or a figure that is no number start nothing.
    EXPECT_FALSE(fast12::startTriple(st, {"", "1"}, list));
    auto bad = theory;
    bad[9] = "x";
    EXPECT_FALSE(fast12::startTriple(st, bad, list));
}

TEST(FastTail, LowHighBetNeedsTwentyOneSpinsAndZeroLoses) {
    state::Sys12thPanelState st;
    st.l_low25 = 14;
    EXPECT_EQ(fast12::stepLowHigh(st, 1, 20) & 3, 0);  // 20 spins never trigger
    EXPECT_EQ(fast12::stepLowHigh(st, 1, 21) & 1, 1);
    EXPECT_EQ(st.i_play25hll, 4);
    fast12::stepLowHigh(st, 0, 22);  // zero costs a unit
    fast12::stepLowHigh(st, 1, 23);
    EXPECT_EQ(st.i_cw25hl, 0);
}

TEST_F(FastSystems, TwinsModeFourStartsOnTheStreetOfTheSpin) {
    s.frm2opti().Text1[36].setText("4");
    feed(s, {0});
    EXPECT_EQ(s.st.i_25cntplay, -1);
    feed(s, {5});
    EXPECT_EQ(box(72), "4");
    EXPECT_EQ(box(77), "6");
    EXPECT_EQ(box(76), "22");
    EXPECT_EQ(box(74), "1");
    EXPECT_EQ(s.frm6fast().Text4[76].foreColor(), 0xFF00u);
    feed(s, {4});  // instance 1's twin: +35; instance 2 loses its stake and both end
    EXPECT_EQ(box(71), "35");
    EXPECT_EQ(box(79), "-1");
    EXPECT_EQ(box(107), "1");
    EXPECT_EQ(s.st.i_25cntplay2, -1);
}

TEST_F(FastSystems, TwinsProgressionTwoWithoutAWinCostsThirty) {
    s.frm2opti().Text1[36].setText("1");
    s.frm6fast().Text4[72].setText("3");
    s.frm6fast().Text4[73].setText("30");
    feed(s, {1, 2, 3});  // seed 3 comes: instance 1 bets 30
    EXPECT_EQ(box(76), "22");
    for (int i = 0; i < 22; ++i) feed(s, {1});
    EXPECT_EQ(box(71), "-30");
    EXPECT_EQ(s.st.i_25cntplay, -1);
    EXPECT_EQ(box(72), "-1");  // progression 2 gives its seed back at the end
}

TEST_F(FastSystems, AnIdleInstanceKeepsATypedSeed) {
    s.frm2opti().Text1[36].setText("1");
    s.frm6fast().Text4[72].setText("05");
    s.frm6fast().Text4[73].setText("9");
    feed(s, {1, 2, 8, 14});
    EXPECT_EQ(box(72), "05");
    feed(s, {5});  // "05" matches 5
    EXPECT_EQ(s.st.i_25cntplay, 1);
}

TEST(TwinDerivation, ChoosesInsideTheDozenThatHit) {
    const std::vector<std::string> items{"14", "3", "22", "3", "7", "30", "1", "2", "4", "5"};
    EXPECT_EQ(twins::derive(items, {1, 1, 0, 0, 0, 0}, 0, 2), (twins::Choice{"3", "7"}));
    EXPECT_EQ(twins::derive(items, {0, 0, 1, 1, 0, 0}, 0, 2), (twins::Choice{"22", "-1"}));
    EXPECT_EQ(twins::derive(items, {1, 1, 1, 1, 1, 1}, 0, 2), (twins::Choice{"30", "-1"}));
    EXPECT_EQ(twins::derive(items, {1, 1, 2, 0, 0, 0}, 0, 2), std::nullopt);
    EXPECT_EQ(twins::derive({"", "1", "2"}, {1, 1, 0, 0, 0, 0}, 0, 2), std::nullopt);
}

}  // namespace

TEST(GoldRatio24, ShareMatchesTheRoundingRule) {
    const gold24::Settings plain = designSettings();
    for (int64_t spins = 1; spins <= 400; ++spins)
        for (int64_t hits = 0; hits <= spins; hits += 7)
            ASSERT_EQ(gold24::score(hits, std::nullopt, spins, plain),
                      forms::roundTo(static_cast<double>(hits) / static_cast<double>(spins), 3))
                << hits << "/" << spins;
}
