// The HGF panel's answers to the player's clicks and typing.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "panels/frm3hgf.h"
#include "settings/frm2opti.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

using forms::Control;
namespace colors = forms::colors;

namespace {

constexpr forms::Color Orange = 0x80FF;
constexpr forms::Color Blue = 0xFF0000;

class HgfActions : public ::testing::Test {
protected:
    void SetUp() override { s.frm1basic(); }

    void setOption(int box, const std::string& text) {
        Control* c = s.frm2opti().control("Text1", box);
        ASSERT_NE(c, nullptr) << "options box " << box;
        c->setText(text);
    }
    void setHits(const std::vector<int>& hits) {  // boxes 1..36; missing ones stay "0"
        for (size_t i = 0; i < hits.size(); ++i) f.HitCounts(static_cast<int>(i) + 1).setText(std::to_string(hits[i]));
    }
    bool entryHasFocus() { return s.frm1basic().focus() == &s.frm1basic().SpinEntryBox(); }
    void moveFocusAway() { s.frm1basic().setFocus(nullptr); }

    Session s;
    Frm3hgf& f = s.frm3hgf();
};

}  // namespace

// With 17 spins at 40 seconds and an alert 1 minute ahead the limit is 10 minutes; the display
// counts 9 ... 0, -1 and wraps back to 9.
TEST_F(HgfActions, AlertTimerCountsDownThroughMinusOneAndWraps) {
    EXPECT_EQ(f.Label5.borderStyle(), 0);  // starts as it looks when switched off
    f.Label5.click();
    EXPECT_EQ(f.Label5.caption(), "Timer On");
    EXPECT_EQ(f.Label5.backColor(), 0x80FF80u);
    EXPECT_EQ(f.Label5.borderStyle(), 1);
    EXPECT_TRUE(f.Timer1.enabled());
    EXPECT_TRUE(f.Label6.visible());
    EXPECT_EQ(f.Label6.caption(), "10");
    EXPECT_TRUE(entryHasFocus());

    const std::vector<std::string> shown = {"9", "8", "7", "6", "5", "4", "3", "2", "1", "0", "-1", "9", "8"};
    for (const std::string& want : shown) {
        f.Timer1.tick();
        EXPECT_EQ(f.Label6.caption(), want);
    }

    f.Label5.click();
    EXPECT_EQ(f.Label5.caption(), "Timer Off");
    EXPECT_EQ(f.Label5.backColor(), 0x8080FFu);
    EXPECT_EQ(f.Label5.borderStyle(), 0);
    EXPECT_FALSE(f.Timer1.enabled());
    EXPECT_FALSE(f.Label6.visible());
    EXPECT_EQ(f.Label6.caption(), "0");
    f.Timer1.tick();  // a switched-off timer does not count
    EXPECT_EQ(f.Label6.caption(), "0");

    // Switching on again starts from the full limit.
    f.Label5.click();
    f.Timer1.tick();
    EXPECT_EQ(f.Label6.caption(), "9");
}

TEST_F(HgfActions, AlertLimitIsComputedWithoutOverflow) {
    setOption(14, "99999");
    setOption(15, "99999");
    setOption(16, "0");
    f.Label5.click();
    EXPECT_EQ(f.Label6.caption(), "166663333");  // 9999800001 / 60: the product needs 64 bits
}

TEST_F(HgfActions, MarkPaintsLongAbsentNumbersBlueAndLeavesTheRest) {
    setOption(25, "110");
    f.NonAppearLabels(0).setCaption("110");
    f.NonAppearLabels(1).setCaption("109");
    f.NonAppearLabels(2).setCaption("250");
    f.NonAppearLabels(3).setCaption("");  // not a number: skipped
    f.NonAppearLabels(1).setBackColor(colors::Green);
    f.Label11.click();
    EXPECT_EQ(f.NonAppearLabels(0).backColor(), Blue);
    EXPECT_EQ(f.NonAppearLabels(1).backColor(), colors::Green);
    EXPECT_EQ(f.NonAppearLabels(2).backColor(), Blue);
    EXPECT_EQ(f.NonAppearLabels(3).backColor(), 0x80000007u);
    EXPECT_EQ(f.NonAppearLabels(4).backColor(), 0x80000007u);  // "0" is below the limit
}

struct HitCase {
    const char* name;
    std::vector<int> hits;  // boxes 1..36
    const char* mn;
    const char* mx;
    const char* avg;
    std::vector<int> notOrange;
};

void PrintTo(const HitCase& c, std::ostream* os) { *os << c.name; }

class HitStatistics : public HgfActions, public ::testing::WithParamInterface<HitCase> {};

TEST_P(HitStatistics, MinMaxAverageAndOrangeBoxes) {
    const HitCase& c = GetParam();
    setHits(c.hits);
    f.HitCounts(0).setText("500");  // zero's box takes no part
    f.Label14[0].click();
    EXPECT_EQ(f.Label14[4].caption(), c.mn);
    EXPECT_EQ(f.Label14[5].caption(), c.mx);
    EXPECT_EQ(f.Label14[6].caption(), c.avg);
    for (int n = 1; n <= 36; ++n) {
        bool below = std::find(c.notOrange.begin(), c.notOrange.end(), n) != c.notOrange.end();
        EXPECT_EQ(f.HitCounts(n).backColor() == Orange, !below) << "box " << n;
    }
    EXPECT_NE(f.HitCounts(0).backColor(), Orange);
}

std::vector<int> hitsWith(std::vector<std::pair<int, int>> except, int rest) {
    std::vector<int> h(36, rest);
    for (auto [n, v] : except) h[static_cast<size_t>(n - 1)] = v;
    return h;
}

INSTANTIATE_TEST_SUITE_P(
    HgfActions, HitStatistics,
    ::testing::Values(HitCase{"NoHits", std::vector<int>(36, 0), "0", "0", "0", {}},
                      // 370 over 37 boxes is 10, not 370 / 36.
                      HitCase{"Sum370", hitsWith({{1, 5}, {2, 15}, {36, 20}}, 10), "5", "20", "10", {1}},
                      HitCase{"Sum380", hitsWith({{1, 5}, {2, 25}, {36, 20}}, 10), "5", "25", "10,3",
                              [] {
                                  std::vector<int> v;
                                  for (int n = 1; n <= 36; ++n)
                                      if (n != 2 && n != 36) v.push_back(n);
                                  return v;
                              }()}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HgfActions, HitStatisticsDoNothingOnATextThatIsNotANumber) {
    setHits(std::vector<int>(36, 3));
    f.HitCounts(17).setText("x");
    f.Label14[3].click();
    EXPECT_EQ(f.Label14[6].caption(), "0");
    EXPECT_NE(f.HitCounts(1).backColor(), Orange);
}

TEST_F(HgfActions, PickingNumbersFillsThreeCaptionsOnceEach) {
    f.Label2[5].click();
    EXPECT_EQ(f.Label2[5].backColor(), colors::Green);
    EXPECT_EQ(f.Check1[0].caption(), "5");
    f.Label2[5].click();  // deselecting keeps the number
    EXPECT_EQ(f.Label2[5].backColor(), colors::Black);
    EXPECT_EQ(f.Check1[0].caption(), "5");
    f.Label2[5].click();  // green again, but 5 is already picked
    EXPECT_EQ(f.Check1[1].caption(), "");
    f.Label2[7].click();
    f.Label2[0].click();
    f.Label2[11].click();  // a fourth pick changes no caption
    EXPECT_EQ(f.Label2[11].backColor(), colors::Green);
    EXPECT_EQ(f.Check1[0].caption(), "5");
    EXPECT_EQ(f.Check1[1].caption(), "7");
    EXPECT_EQ(f.Check1[2].caption(), "0");
    // An absence label toggles like any other but picks nothing.
    f.NonAppearLabels(3).click();
    EXPECT_EQ(f.NonAppearLabels(3).backColor(), colors::Green);
    f.NonAppearLabels(3).click();
    EXPECT_EQ(f.NonAppearLabels(3).backColor(), colors::Black);
}

TEST_F(HgfActions, KeypadWritesTheEntryBoxWithoutPlayingTheSpin) {
    moveFocusAway();
    f.HitCounts(17).click();
    EXPECT_EQ(s.frm1basic().SpinEntryBox().text(), "17");
    EXPECT_TRUE(entryHasFocus());
    EXPECT_EQ(s.frm1basic().Text1[1].text(), "");
    f.HitCounts(0).click();
    EXPECT_EQ(s.frm1basic().SpinEntryBox().text(), "0");
}

TEST_F(HgfActions, WaveNumbersGoIntoTheFirstFreeBoxOnce) {
    f.HgfValues(7).click();
    f.HgfValues(7).click();
    EXPECT_EQ(f.WaveBoxes(0).text(), "7");
    EXPECT_EQ(f.WaveBoxes(0).backColor(), 0xFF00u);
    EXPECT_EQ(f.WaveBoxes(1).text(), "N");
    for (int n : {8, 9, 10, 11}) f.HgfValues(n).click();
    EXPECT_EQ(f.WaveBoxes(1).text(), "8");
    EXPECT_EQ(f.WaveBoxes(2).text(), "9");
    EXPECT_EQ(f.WaveBoxes(3).text(), "10");
    EXPECT_EQ(f.WaveBoxes(1).backColor(), colors::White);  // only wave 1 is switched on here
}

TEST_F(HgfActions, DozenSwitchTogglesAndRestartsThe16th) {
    s.st.i_wincnt16 = 2;
    s.st.i_bet16 = 40;
    f.Text10[1].click();
    EXPECT_EQ(f.Text10[1].backColor(), colors::Green);
    EXPECT_EQ(s.st.i_wincnt16, 0);
    EXPECT_EQ(s.st.i_bet16, 4);
    f.Text10[1].click();
    EXPECT_EQ(f.Text10[1].backColor(), colors::White);
}

TEST_F(HgfActions, BaseBetSetsTheCycleBetOnlyForShortNumbers) {
    struct Case {
        const char* typed;
        const char* cycle;
    };
    for (Case c : {Case{"200", "1000"}, Case{"1000", "5"}, Case{"abc", "5"}, Case{"", "5"}, Case{"2,5", "10"},
                   Case{"-3", "-15"}}) {
        f.Text10[4].setText("5");
        f.Text10[3].edit(c.typed);
        EXPECT_EQ(f.Text10[4].text(), c.cycle) << "typed " << c.typed;
    }
}

TEST_F(HgfActions, SixLineAndSystemLabelsToggleAndGiveTheFocusBack) {
    moveFocusAway();
    f.Label4[2].click();
    EXPECT_EQ(f.Label4[2].backColor(), colors::Green);
    EXPECT_TRUE(entryHasFocus());
    f.Label4[2].click();
    EXPECT_EQ(f.Label4[2].backColor(), colors::Black);

    f.Label1[1].click();
    EXPECT_EQ(f.Label1[1].backColor(), colors::Green);
    f.Label1[1].click();
    EXPECT_EQ(f.Label1[1].backColor(), colors::Black);
    f.Label1[2].click();
    EXPECT_EQ(f.Label1[2].backColor(), Blue);
    f.Label1[2].click();
    EXPECT_EQ(f.Label1[2].backColor(), colors::Black);
}

TEST_F(HgfActions, ManualCounterCountsDownOnAnyLegendAndUpOnTheCounters) {
    f.Label7[12].click();
    EXPECT_EQ(f.ManualCounter().caption(), "-1");
    EXPECT_EQ(s.st.l_16cnt, -1);
    f.Label8[0].click();
    f.Label8[1].click();
    f.Label8[1].click();
    EXPECT_EQ(f.ManualCounter().caption(), "2");
    f.Label7[3].click();  // a group caption counts down too
    EXPECT_EQ(f.ManualCounter().caption(), "1");
    EXPECT_EQ(f.Label8[1].caption(), "0");
}

TEST_F(HgfActions, ClsKeepsTickedPicksAndRestartsTheSchedules) {
    for (int n : {4, 9, 30}) f.Label2[n].click();
    f.Check1[1].click();
    for (int i : {0, 1, 2, 3, 4, 5, 6}) f.Text4[i].setText("QT");
    f.Text4[4].setBackColor(0xC0);
    s.st.l_spin_counter = 12;
    s.st.l_spin_counter2 = 7;
    s.st.l_spin_counter3 = 3;
    f.Label2[Frm3hgf::MaxLabel].setCaption("140");
    moveFocusAway();

    f.Command1.click();
    EXPECT_EQ(f.Check1[0].caption(), "");
    EXPECT_EQ(f.Check1[1].caption(), "9");
    EXPECT_EQ(f.Check1[2].caption(), "");
    for (int i : {0, 2, 3, 5}) EXPECT_EQ(f.Text4[i].text(), "0") << i;
    for (int i : {1, 4, 6}) {
        EXPECT_EQ(f.Text4[i].text(), "2") << i;
        EXPECT_EQ(f.Text4[i].backColor(), colors::White) << i;
    }
    EXPECT_EQ(s.st.l_spin_counter.value(), 0);
    EXPECT_EQ(s.st.l_spin_counter2.value(), 0);
    EXPECT_EQ(s.st.l_spin_counter3, 0);
    EXPECT_EQ(f.Label2[Frm3hgf::MaxLabel].caption(), "0");
    EXPECT_TRUE(entryHasFocus());
}
