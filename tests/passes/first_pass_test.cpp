#include <gtest/gtest.h>

#include "passes/first/first_pass.h"
#include "settings/frm2opti.h"
#include "support/feed.h"

namespace colors = forms::colors;

namespace {

struct FirstPass : ::testing::Test {
    Session s{1};
    Frm1basic& f = s.frm1basic();
};

}  // namespace

TEST_F(FirstPass, FirstSpinIsCountedClassifiedAndShifted) {
    feed(s, {14});
    EXPECT_EQ(f.Command1.caption(), "Spins: 1");
    EXPECT_EQ(f.Text1[1].text(), "14");
    EXPECT_EQ(f.Text1[1].foreColor(), colors::Red);
    EXPECT_EQ(f.Text2[1].text(), "M");
    EXPECT_EQ(f.Label5[1].caption(), "2");
    EXPECT_EQ(f.Label5[1].backColor(), 0x80FFu);
    EXPECT_EQ(f.Text1[0].text(), "");
    EXPECT_EQ(f.Text2[0].text(), "");
    EXPECT_EQ(f.focus(), &f.Text1[0]);
    EXPECT_EQ(f.Text3[0].text(), "0");
    EXPECT_EQ(f.Text3[1].text(), "1");
    EXPECT_EQ(f.Text3[2].text(), "0");
    EXPECT_EQ(s.st.l_mall.value(), 1);
}

TEST_F(FirstPass, ZeroCountsIntoNoDozen) {
    feed(s, {0});
    EXPECT_EQ(f.Text2[1].text(), "0");
    EXPECT_EQ(f.Label5[1].caption(), "0");
    EXPECT_EQ(f.Label5[1].backColor(), colors::Black);
    EXPECT_EQ(f.Label5[1].foreColor(), colors::White);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(f.Text3[i].text(), "0");
    feed(s, {5});
    EXPECT_EQ(f.Label5[2].foreColor(), colors::White) << "the code's text colour moves with it";
    EXPECT_EQ(f.Label5[1].foreColor(), colors::Black);
    EXPECT_EQ(f.Text1[2].foreColor(), colors::BrightGreen);
    EXPECT_EQ(s.st.l_mall.value() + s.st.l_hall, 0);
}

TEST_F(FirstPass, HistoryKeepsTwentyEightRowsAndCounts29) {
    for (int n = 1; n <= 30; ++n) enter(s, forms::numText(n));
    EXPECT_EQ(f.Text1[1].text(), "30");
    EXPECT_EQ(f.Text1[28].text(), "3");
    // The last classification saw the new 30 and the 28 before it, 29 down to 2.
    EXPECT_EQ(f.Text3[0].text(), "11");  // 2..12
    EXPECT_EQ(f.Text3[1].text(), "12");  // 13..24
    EXPECT_EQ(f.Text3[2].text(), "6");   // 25..30
    EXPECT_EQ(f.Text2[28].text(), "L");
    EXPECT_EQ(f.Label5[28].caption(), "3");
    EXPECT_EQ(f.Text1[28].foreColor(), colors::Red);  // recoloured as it moved
}

TEST_F(FirstPass, CanonicalTextEntersTheHistory) {
    enter(s, "05");
    EXPECT_EQ(f.Text1[1].text(), "5");
    enter(s, "-0");
    EXPECT_EQ(f.Text1[1].text(), "0");
    EXPECT_EQ(f.Command1.caption(), "Spins: 2");
}

TEST_F(FirstPass, RejectedEntriesChangeNothing) {
    feed(s, {3});
    for (const char* t : {"37", "-1", "", "1,5", "+5"}) {
        f.Text1[0].setText(t);
        f.Command1.click();  // the button bypasses the box's key check
    }
    EXPECT_EQ(f.Command1.caption(), "Spins: 1");
    EXPECT_EQ(history(s), "3");
}

TEST_F(FirstPass, OnlyTheTopmostGreenMarkerMovesAndLeavesAfterRow28) {
    s.frm2opti().Text1[0].setText("0");  // no trend marking repaints the rows
    feed(s, {1, 2, 3, 4});
    f.Text1[2].click();
    f.Text1[4].click();
    feed(s, {5});
    EXPECT_EQ(f.Text1[3].backColor(), colors::Green);
    EXPECT_EQ(f.Text1[2].backColor(), colors::Window);
    EXPECT_EQ(f.Text1[4].backColor(), colors::Green);
    EXPECT_EQ(f.Text1[5].backColor(), colors::White);

    Session t{2};
    t.frm2opti().Text1[0].setText("0");
    auto& g = t.frm1basic();
    g.Text1[28].click();
    feed(t, {9});
    EXPECT_EQ(g.Text1[28].backColor(), colors::Window);
}

TEST_F(FirstPass, LongRunWarningFrom300SpinsWithCheck1) {
    f.Check1.setValue(1);
    for (int i = 0; i < 299; ++i) feed(s, {i % 37});
    EXPECT_EQ(f.Command1.backColor(), 0xFFFFu);
    feed(s, {1});
    EXPECT_EQ(f.Command1.caption(), "Spins: 300");
    EXPECT_EQ(f.Command1.backColor(), colors::Red);

    Session t{2};
    for (int i = 0; i < 300; ++i) feed(t, {i % 37});
    EXPECT_EQ(t.frm1basic().Command1.backColor(), 0xFFFFu);
}
