#include "passes/first/eleventh_system.h"

#include <gtest/gtest.h>

#include "panels/frm3hgf.h"
#include "settings/frm2opti.h"
#include "settings/settings.h"
#include "support/feed.h"

namespace eleventh = passes::eleventh;
namespace colors = forms::colors;

namespace {

struct SixthPanel : ::testing::Test {
    Session s{5};
    Frm3hgf& f = s.frm3hgf();
    std::string figures() {
        std::string out;
        for (int i = 0; i <= 6; ++i) out += (i ? " " : "") + f.Text5[i].text();
        return out;
    }
};

}  // namespace

TEST_F(SixthPanel, FiguresAreHitShareTimesGap) {
    for (int i = 0; i < 14; ++i) feed(s, {7});
    feed(s, {1, 2, 3, 7, 8, 9});  // 1-6: 3 hits in 20 spins, last 3 spins ago
    EXPECT_EQ(figures(), "0,45 0 0 0 0 0 0");
    feed(s, {0});  // zero: its own gap to 0, every six line one further
    EXPECT_EQ(figures(), "0,57 0,81 0 0 0 0 0");  // 3 / 21 * 4; 17 / 21 * 1
}

TEST_F(SixthPanel, LadderRunsWhileALineIsMarked) {
    f.Label4[3].click();
    std::string steps;
    for (int i = 0; i < 15; ++i) {
        feed(s, {i});
        steps += f.Text6.text() + " ";
    }
    EXPECT_EQ(steps, "1 1 1 1 2 2 2 3 3 4 5 6 7 D D ");
    EXPECT_EQ(eleventh::nextStep("x", 1), "D");
    f.Label4[3].click();
    feed(s, {1});
    EXPECT_EQ(f.Text6.text(), "0");
    f.Label4[0].click();
    feed(s, {2});
    EXPECT_EQ(f.Text6.text(), "1") << "a later mark starts again";
}

TEST_F(SixthPanel, AFigureEqualToTheSettingIsGreenAndZeroIsNotPainted) {
    s.frm2opti().Text1[static_cast<int>(settings::Box::HgfRatioMin)].setText("0,45");
    for (int i = 0; i < 14; ++i) feed(s, {7});
    feed(s, {1, 2, 3, 7, 8, 9});
    EXPECT_EQ(f.Text5[0].backColor(), colors::Green);
    EXPECT_EQ(f.Text5[1].backColor(), colors::White);
    EXPECT_NE(f.Text5[6].backColor(), colors::Green);
    s.frm2opti().Check2[static_cast<int>(settings::Switch::HgfActive)].setValue(0);
    feed(s, {1});
    EXPECT_EQ(f.Text5[0].text(), "0,45") << "switched off, the figures freeze";
}
