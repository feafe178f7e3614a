// "The Edge": its progression switches.
#include <gtest/gtest.h>

#include "panels/frm8edge.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

namespace {

constexpr forms::Color Grey = 0xC0C0C0, On = 0x00C000;

struct EdgeTest : ::testing::Test {
    Session s;
    Frm8edge& f = s.frm8edge();
};

}  // namespace

TEST_F(EdgeTest, TwoClicksOnASwitchTurnItOnAndOffAgain) {
    auto& main = s.frm1basic();
    for (int k = 0; k <= 5; ++k) {
        main.setFocus(&main.Text1[3]);
        f.Label2[k].click();
        EXPECT_EQ(f.Label2[k].backColor(), On) << k;
        EXPECT_EQ(main.focus(), &main.SpinEntryBox());
        f.Label2[k].click();
        EXPECT_EQ(f.Label2[k].backColor(), Grey) << k;
        EXPECT_EQ(f.Label2[k].caption(), "0");  // the caption is the spin pass's
    }
    f.Label2[2].setBackColor(0x0000FF);  // any colour but grey counts as on and turns grey
    f.Label2[2].click();
    EXPECT_EQ(f.Label2[2].backColor(), Grey);
    EXPECT_EQ(f.Label2[3].backColor(), Grey);  // the others are untouched
}
