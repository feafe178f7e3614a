#include <gtest/gtest.h>

#include "panels/frm4about.h"
#include "panels/frm6fast.h"
#include "settings/frm2opti.h"
#include "shell/menus.h"
#include "support/feed.h"

namespace colors = forms::colors;

namespace {

struct Menus : ::testing::Test {
    Session s{1};
    Frm1basic& f = s.frm1basic();
    void SetUp() override { s.start(); }
};

}  // namespace

TEST_F(Menus, EveryItemOpensItsWindowAndKeepsItsContents) {
    struct Item { forms::ControlArray& menu; int index; const char* window; };
    for (auto it : {Item{f.opti, 1, "frm2opti"}, Item{f.hgf, 3, "frm3hgf"}, Item{f.fast, 6, "frm6fast"},
                    Item{f.help, 5, "frm5help"}, Item{f.about, 4, "frm4about"}, Item{f.tch, 7, "frm7tch"},
                    Item{f.edge, 8, "frm8edge"}}) {
        it.menu[it.index].click();
        forms::Form& w = s.form(it.window);
        EXPECT_TRUE(w.visible()) << it.window;
        w.hide();
        it.menu[it.index].click();
        EXPECT_TRUE(w.visible()) << it.window;
    }
    EXPECT_EQ(s.frm4about().Label1.caption(), "Application contains 36 betting systems for French or European roulette");
    EXPECT_EQ(s.frm4about().caption(), "About");
}

TEST_F(Menus, ClosingAPanelHidesItWithItsContents) {
    f.fast[6].click();
    auto& fast = s.frm6fast();
    fast.Text4[34].setText("9");
    s.closeRequested(fast);
    EXPECT_FALSE(fast.visible());
    EXPECT_FALSE(s.ended());
    f.fast[6].click();
    EXPECT_EQ(fast.Text4[34].text(), "9");
}

TEST_F(Menus, EndWithPanelsNeverOpenedShowsNothing) {
    f.end[2].click();
    EXPECT_TRUE(s.ended());
    for (const char* w : {"frm3hgf", "frm4about", "frm8edge"}) EXPECT_FALSE(s.isLoaded(w)) << w;
    for (forms::Form* w : s.loadedForms()) EXPECT_FALSE(w->visible()) << w->name();
}

TEST_F(Menus, ClosingTheMainWindowIsEnd) {
    s.closeRequested(f);
    EXPECT_TRUE(s.ended());
}

TEST_F(Menus, TwoNumberProgSwitchClearsItsFiguresWhenSwitchedOff) {
    EXPECT_EQ(f.Label9.caption(), "2NB prog");
    EXPECT_EQ(f.Label9.foreColor(), shell::SwitchOff);
    s.st.i_2nbvalue = 5;
    s.st.i_2nbcnt = 7;
    f.Label9.click();
    EXPECT_EQ(f.Label9.foreColor(), colors::Green);
    EXPECT_EQ(s.st.i_2nbvalue, 5);  // switching on keeps the figures
    f.Label9.click();
    EXPECT_EQ(f.Label9.foreColor(), shell::SwitchOff);
    EXPECT_EQ(s.st.i_2nbvalue, 0);
    EXPECT_EQ(s.st.i_2nbcnt, 0);
    EXPECT_EQ(f.Label10[0].caption(), "0");
    EXPECT_EQ(f.Label10[1].caption(), "0");
}

TEST_F(Menus, SystemSwitchesHandTheFocusBack) {
    for (forms::Control* c : {&f.Check1, &f.Check2, &f.Check3}) {
        f.Text5.setFocus();
        c->click();
        EXPECT_EQ(c->value(), 1);
        EXPECT_EQ(f.focus(), &f.SpinEntryBox()) << c->name();
    }
}

TEST_F(Menus, AutoClickDelayIsClampedToTheLargestInterval) {
    auto& delay = s.frm2opti().Text1[27];
    struct Case { const char* seconds; int interval; };
    for (auto c : {Case{"2", 2000}, Case{"33", 33000}, Case{"66", shell::MaxTimerInterval},
                   Case{"99999", shell::MaxTimerInterval}, Case{"-5", 0}, Case{"1,5", 2000}}) {
        delay.setText(c.seconds);
        f.Command5[0].click();
        EXPECT_EQ(f.Timer1.interval(), c.interval) << c.seconds;
        EXPECT_TRUE(f.Timer1.enabled());
        f.Command5[1].click();
        EXPECT_FALSE(f.Timer1.enabled());
    }
    f.Timer1.setEnabled(true);
    f.Timer1.tick();  // a tick does nothing
    f.Command6.click();
    EXPECT_EQ(f.Command1.caption(), "Spins: 0");
}
