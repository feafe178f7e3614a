#include "shell/reset.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "panels/frm3hgf.h"
#include "panels/frm6fast.h"
#include "panels/frm7tch.h"
#include "settings/frm2opti.h"
#include "settings/settings.h"
#include "support/feed.h"

namespace colors = forms::colors;
using settings::Switch;

namespace {

constexpr forms::Color Unmarked = 0x80000009;

// A session a while into play with every main-window system switched on; the boxes of systems
// built elsewhere hold figures as if they had played too.
struct Played {
    Session s{1};
    Frm1basic& f = s.frm1basic();
    Played() {
        for (auto* c : {&f.Check1, &f.Check2, &f.Check3}) c->click();
        feed(s, {5, 14, 14, 14, 1, 4, 7, 10, 13, 16, 30, 0, 20});
        f.Text1[3].setBackColor(colors::Green);
        f.Text4[1].setText("-3");
        s.st.l_bbet1 = 4;
        f.Text11[0].setBackColor(colors::Green);
        f.Text12.setText("1,2,4");
        f.Text10.setVisible(true);
        s.frm3hgf().Text1[7].setText("3,5");
        s.frm3hgf().Text3[1].setText("2");
        s.st.HgfGapRatio[7] = 2.5;
        s.st.IgBetNumbers = {forms::Var(7), forms::Var(-2)};
        s.frm6fast().Text4[71].setText("5");
    }
    // Only these switches on (main-window ones by their control), then Reset.
    void reset(std::initializer_list<Switch> options, std::initializer_list<forms::Control*> main = {}) {
        for (auto* c : {&f.Check1, &f.Check2, &f.Check3}) c->setValue(0);
        for (auto* c : main) c->setValue(1);
        auto& o = s.frm2opti();
        for (int i = 0; i < settings::SwitchCount; ++i) o.Check2[i].setValue(0);
        for (Switch w : options) o.Check2[static_cast<int>(w)].setValue(1);
        f.Command2.click();
    }
};

struct Block {
    const char* name;
    std::function<void(Played&)> reset;
    std::function<void(Played&)> cleared;  // with its switch
    std::function<void(Played&)> kept;     // with no switch at all
};
void PrintTo(const Block& b, std::ostream* os) { *os << b.name; }

const Block Blocks[] = {
    {"general", [](Played& p) { p.reset({Switch::ResetGeneral}); },
     [](Played& p) {
         EXPECT_EQ(history(p.s) + p.f.Text2[1].text() + p.f.Text3[2].text(), "0");
         EXPECT_EQ(p.f.Command1.caption(), "Spins: 0");
         EXPECT_EQ(p.f.Text1[3].backColor(), colors::Green);  // the marker keeps its colour
         EXPECT_EQ(p.f.Text9.text(), "-3");                   // the systems keep their results
     },
     [](Played& p) { EXPECT_EQ(history(p.s, 1), "20"); }},
    {"2nd system", [](Played& p) { p.f.Text5.setText("4"); p.reset({}, {&p.f.Check1}); },
     [](Played& p) {
         EXPECT_EQ(p.f.Text9.text() + p.f.Text6.text() + p.f.Text5.text() + p.f.Text7.text(), "015");
         EXPECT_EQ(p.s.st.l_basebet.value(), 1);
         EXPECT_EQ(p.f.Command1.caption(), "Spins: 0");
         EXPECT_EQ(p.f.Command1.backColor(), colors::Yellow);
         EXPECT_EQ(p.s.st.l_general_cnt.value(), 13);  // only the caption says 0
     },
     [](Played& p) { EXPECT_EQ(p.f.Text9.text(), "-3"); }},
    {"3rd and 4th", [](Played& p) { p.reset({Switch::Reset3rd, Switch::Reset4th}); },
     [](Played& p) {
         EXPECT_FALSE(p.f.Text10.visible() || p.f.Text8[0].visible());
         EXPECT_EQ(p.f.Text1[3].backColor(), Unmarked);  // rows 1..10 of "Trend counter:"
         EXPECT_EQ(p.f.Text2[10].backColor(), Unmarked);
         EXPECT_NE(p.f.Text2[11].backColor(), Unmarked);
     },
     [](Played& p) { EXPECT_TRUE(p.f.Text10.visible()); }},
    {"1st system", [](Played& p) { p.reset({}, {&p.f.Check2}); },
     [](Played& p) {
         EXPECT_EQ(p.f.Text4[0].text() + p.f.Text4[1].text() + p.f.Text4[2].text(), "01");
         EXPECT_EQ(p.s.st.l_bbet1, 1);
     },
     [](Played& p) { EXPECT_EQ(p.f.Text4[1].text(), "-3"); }},
    {"5th and 6th", [](Played& p) { p.reset({Switch::Reset5th, Switch::Reset6th}); },
     [](Played& p) {
         EXPECT_EQ(p.f.Text11[0].backColor(), colors::Black);
         EXPECT_EQ(p.f.Text12.text(), "wait");
         EXPECT_EQ(p.f.Text13[0].text() + p.f.Text13[2].text() + p.f.Text14.text(), "00");
         EXPECT_EQ(p.f.Text13[1].backColor(), colors::ButtonText);
     },
     [](Played& p) { EXPECT_EQ(p.f.Text12.text(), "1,2,4"); }},
    {"7th system", [](Played& p) { p.reset({}, {&p.f.Check3}); },
     [](Played& p) {
         EXPECT_EQ(p.f.Text15[0].text() + p.f.Text15[1].text() + p.f.Text15[2].text(), "10");
         EXPECT_EQ(p.s.st.l_betnbrs, 0);
         EXPECT_EQ(p.s.st.StreetSpinRecord[0], -1);
     },
     [](Played& p) { EXPECT_EQ(p.f.Text15[2].text(), "16"); }},
    {"HGF and 9th", [](Played& p) { p.reset({Switch::Reset8th, Switch::NinthActive}); },
     [](Played& p) {
         EXPECT_EQ(p.s.frm3hgf().Text1[7].text(), "0");
         EXPECT_EQ(p.s.st.HgfGapRatio[7], 0);  // every per-number table, ratios included
         EXPECT_EQ(p.s.st.l_general_cnt2, 0);
         EXPECT_EQ(p.s.frm3hgf().Text3[1].text(), "wait");  // its design text: no bet shown
     },
     [](Played& p) { EXPECT_EQ(p.s.frm3hgf().Text3[1].text(), "2"); }},
};

class ResetBlocks : public ::testing::TestWithParam<Block> {};

}  // namespace

TEST_P(ResetBlocks, EachSwitchClearsItsBlockAlone) {
    Played p;
    GetParam().reset(p);
    GetParam().cleared(p);
    Played q;
    q.reset({});
    GetParam().kept(q);
}

INSTANTIATE_TEST_SUITE_P(Switches, ResetBlocks, ::testing::ValuesIn(Blocks));

TEST(Reset, LastBlockRunsWithoutASwitch) {
    Played p;
    p.reset({});
    auto& f = p.f;
    EXPECT_EQ(f.Text8[2].text() + f.Text8[3].text() + f.Text8[1].text(), "10");
    EXPECT_EQ(f.Label5[1].caption(), "");
    EXPECT_EQ(f.Label5[1].backColor(), colors::White);
    EXPECT_EQ(f.Label10[0].caption(), "1");
    ASSERT_EQ(p.s.st.IgBetNumbers.size(), 1u);
    EXPECT_EQ(p.s.st.IgBetNumbers[0].value(), -2);  // the end mark, as at start
    EXPECT_EQ(p.s.frm7tch().Text1[197].text(), "1");
    EXPECT_EQ(p.s.frm6fast().Text4[69].text(), "1");
    EXPECT_EQ(p.s.frm6fast().Text4[71].text(), "5");  // the 25th Twins' result, not a 2NB figure
}

TEST(Reset, EverySwitchOnTwiceLeavesWhatOnceDoes) {
    Played p;
    p.f.Command2.click();
    auto snapshot = [&] {
        std::string out;
        for (auto* c : p.f.controls()) out += c->text() + "|" + std::to_string(c->backColor()) + ";";
        return out;
    };
    const std::string once = snapshot();
    p.f.Command2.click();
    EXPECT_EQ(snapshot(), once);
    feed(p.s, {8});  // an empty history: the 7th system starts a run on the first spin
    EXPECT_EQ(p.f.Text15[0].text(), "7,9");
    EXPECT_EQ(p.f.Command1.caption(), "Spins: 1");
}

TEST(Reset, TrendCounterBeyondTheHistoryClearsAllTwentyEightRows) {
    Played p;
    p.s.frm2opti().Text1[0].setText("99");
    p.f.Text1[28].setBackColor(colors::Green);
    p.f.Command2.click();
    EXPECT_EQ(p.f.Text1[28].backColor(), Unmarked);
}
