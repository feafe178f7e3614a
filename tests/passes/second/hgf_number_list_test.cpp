// The second pass reads the HGF number list the panel shows, with the HGF block running or not.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "panels/frm3hgf.h"
#include "panels/frm6fast.h"
#include "passes/second/twins25.h"
#include "settings/frm2opti.h"
#include "settings/settings.h"
#include "support/feed.h"

namespace {

TEST(HgfNumberList, SwitchedOffTheLaterPassesReadTheListThePanelShows) {
    Session s{11};
    auto& hgf = s.frm3hgf();
    auto& fast = s.frm6fast();
    auto& opt = s.frm2opti();
    std::mt19937 rng(5);
    std::uniform_int_distribution<int> wheel(0, 36);
    auto first = [&hgf] { return std::stoi(forms::split(hgf.Text3[4].text(), " - ").at(1)); };
    for (int i = 0; i < 40 || first() > 12; ++i) feed(s, {wheel(rng)});
    // The list's first number, one of the first dozen, comes: it drops out and every later item
    // moves up, so the list of the spin before differs in every item read below.
    const int dropped = first();
    feed(s, {dropped});
    ASSERT_NE(first(), dropped);
    opt.Check2[static_cast<int>(settings::Switch::HgfActive)].setValue(0);
    hgf.Text3[7].setText("  0  0  0  0  0  0  0  0  2  2  2  0");  // theory figures that start the triple bet

    for (int spin = 1; spin <= 6; ++spin) {
        const auto items = forms::split(hgf.Text3[4].text(), " - ");
        ASSERT_EQ(items.size(), 14u);
        // Odd spins: mode "0" renews the idle seeds; even spins: mode "5" derives them, the first
        // dozen having hit.
        const bool derived = spin % 2 == 0;
        opt.Text1[static_cast<int>(settings::Box::TwinsMode)].setText(derived ? "5" : "0");
        for (int k = 0; k < 6; ++k) hgf.Text5[k].setText(derived && k < 2 ? "1" : "0");
        s.st.i_25cntplay = s.st.i_25cntplay2 = -1;  // both idle, so this spin seeds them
        // One of the running triple hits: that bet ends and the next starts on this spin.
        feed(s, {std::stoi(s.st.b_4 ? s.st.FastTripleNumbers[0] : items[9])});

        SCOPED_TRACE("spin " + std::to_string(spin) + " after the switch, list " + hgf.Text3[4].text());
        EXPECT_EQ(fast.Label4[84].caption(), items[9] + "," + items[8] + "," + items[7]);
        EXPECT_EQ(fast.Text4[99].text(), "20");
        if (derived) {
            const auto want = passes::twins::choose(items, 0, 12);
            EXPECT_EQ(fast.Text4[73].text() + " " + fast.Text4[77].text(), want.twin1 + " " + want.seed2);
        } else {
            EXPECT_EQ(fast.Text4[72].text() + " " + fast.Text4[77].text(), items[1] + " " + items[2]);
        }
    }
}

}  // namespace
