#include <gtest/gtest.h>

#include <set>

#include "panels/frm6fast.h"
#include "support/feed.h"

namespace {

struct Startup : ::testing::Test {
    Session s{1};
    Frm1basic& f = s.frm1basic();
    void SetUp() override { s.start(); }
};

}  // namespace

TEST_F(Startup, MainWindowShowsItsStartValues) {
    EXPECT_EQ(f.Command1.caption(), "Spins: 0");
    EXPECT_EQ(f.Text5.text(), "1");
    EXPECT_EQ(f.Text7.text(), "5");
    EXPECT_EQ(f.Command5[1].caption(), "Stop click 60");
    EXPECT_EQ(f.Command5[0].caption(), "Start click");
    EXPECT_FALSE(f.Command5[0].visible());
    EXPECT_FALSE(f.Command5[1].visible());
    EXPECT_FALSE(f.Timer1.enabled());
    EXPECT_EQ(f.Timer1.interval(), 60000);
    EXPECT_EQ(f.focus(), &f.SpinEntryBox());
    feed(s, {7});
    EXPECT_EQ(f.Command1.caption(), "Spins: 1");
}

TEST_F(Startup, FastPanelGetsTheNicheLimits) {
    auto& fast = s.frm6fast();
    for (int i = 34; i <= 41; ++i) EXPECT_EQ(fast.Text4[i].text(), i % 2 == 0 ? "12" : "17") << i;
}

TEST_F(Startup, StateTakesItsSettingsAndTheWheelSectors) {
    EXPECT_EQ(s.st.l_bb, 1);
    EXPECT_EQ(s.st.i_22plcnt, 8);
    EXPECT_EQ(s.st.l_basebet, 1);

    std::set<int> all;
    for (int n : s.st.WheelSectorA) all.insert(n);
    for (int n : s.st.WheelSectorB) all.insert(n);
    for (int n : s.st.WheelSectorC) all.insert(n);
    for (int n : s.st.WheelSectorD) all.insert(n);
    EXPECT_EQ(all.size(), 37u);
    EXPECT_EQ(*all.begin(), 0);
    EXPECT_EQ(*all.rbegin(), 36);
}

TEST_F(Startup, OnlyTheMainWindowIsShown) {
    struct Case { const char* name; bool loaded; };
    for (auto c : {Case{"frm2opti", true}, Case{"frm5help", true}, Case{"frm6fast", true}, Case{"frm7tch", true},
                   Case{"frm3hgf", false}, Case{"frm4about", false}, Case{"frm8edge", false}}) {
        EXPECT_EQ(s.isLoaded(c.name), c.loaded) << c.name;
    }
    for (forms::Form* w : s.loadedForms()) EXPECT_EQ(w->visible(), w == &f) << w->name();
}
