// The auxiliary windows: the text box drawn over its background, the window cut to its controls,
// and the generator calculator.
#include <gtest/gtest.h>

#include "aux/form1.h"
#include "aux/form2.h"
#include "aux/show_forms.h"
#include "aux/transparent.h"
#include "shell/session.h"

namespace {

using forms::RegionOp;

TEST(TextOverBackground, DrawnOnlyOnceSwitchedOnAndThenOnEveryChangeKeyAndMove) {
    Session s{1};
    aux::ShowForm1(s);
    Form1& f = s.form1();
    EXPECT_TRUE(f.visible());
    f.Text1.typeText("ab");  // before Command1 the box is an ordinary box
    f.Text1.mouseMove();
    EXPECT_EQ(f.textTransCalls, 0);
    EXPECT_FALSE(f.Text1.transparent());
    f.Command1.click();
    EXPECT_EQ(f.textTransCalls, 1);
    EXPECT_TRUE(f.Text1.transparent());
    f.Text1.typeText("c");  // key press, then the change
    f.Text1.mouseMove();
    f.Command1.click();
    EXPECT_EQ(f.textTransCalls, 5);
    f.Text1.setText("");  // an empty text is drawn too
    EXPECT_EQ(f.textTransCalls, 6);
}

class Shaped : public forms::Form {
public:
    Shaped() : forms::Form("Shaped") { setBorderStyle(0); }
    forms::Control& add(forms::Kind k) {
        std::string name = "c";
        name += std::to_string(n_++);
        return makeControl(k, name);
    }

private:
    int n_ = 0;
};

TEST(ShapedWindow, FiguresOfShapesLinesAndOtherControls) {
    Shaped w;
    w.add(forms::Kind::Shape).at(5, 5, 10, 10);  // a transparent rectangle
    auto& line = w.add(forms::Kind::Line);
    line.setLineEnds({0, 5, 20, 5});
    auto& upright = w.add(forms::Kind::Line);
    upright.setLineEnds({7, 0, 7, 30});  // vertical: no slope to divide by
    w.add(forms::Kind::Timer);           // a timer adds nothing
    auto& circle = w.add(forms::Kind::Shape).at(0, 40, 20, 10);
    circle.setShape(3);
    circle.setBackStyle(1);

    const auto ops = aux::regionOf(w);
    ASSERT_EQ(ops.size(), 5u);
    EXPECT_EQ(ops[0], RegionOp::rect(5, 5, 15, 15));
    EXPECT_EQ(ops[1], RegionOp::rect(6, 6, 14, 14));
    EXPECT_EQ(ops[2].points, (std::vector<forms::Point>{{0, 4}, {20, 4}, {20, 6}, {0, 6}}));
    EXPECT_EQ(ops[3].points, (std::vector<forms::Point>{{6, 0}, {6, 30}, {8, 30}, {8, 0}}));
    EXPECT_EQ(ops[4], RegionOp::ellipse(5, 40, 16, 50));  // centred 10 x 10, edges + 0.5 (to even)

    // The ring: its frame is in, its middle and everything beside it out.
    const std::vector<RegionOp> only{ops[0], ops[1]};
    EXPECT_TRUE(forms::regionContains(only, 5, 5));
    EXPECT_TRUE(forms::regionContains(only, 14, 10));
    EXPECT_FALSE(forms::regionContains(only, 10, 10));
    EXPECT_FALSE(forms::regionContains(only, 15, 10));
    // Overlapping controls cut each other away.
    const std::vector<RegionOp> overlap{RegionOp::rect(0, 0, 10, 10), RegionOp::rect(5, 5, 15, 15)};
    EXPECT_FALSE(forms::regionContains(overlap, 7, 7));
    EXPECT_TRUE(forms::regionContains(overlap, 12, 12));
}

TEST(ShapedWindow, BorderedWindowGetsTheMessageAndKeepsItsShape) {
    Shaped w;
    w.setBorderStyle(2);
    aux::MakeTransparent(w);
    EXPECT_FALSE(w.region());
    const auto msgs = w.takeMessages();
    ASSERT_EQ(msgs.size(), 1u);
    EXPECT_EQ(msgs[0].text, "Change the borderstyle to 0!");
    EXPECT_EQ(msgs[0].title, "ACK!");
    w.setBorderStyle(0);
    aux::MakeTransparent(w);
    ASSERT_TRUE(w.region());
    EXPECT_TRUE(w.region()->empty());  // no controls: nothing of the window stays
}

TEST(GeneratorCalculator, NextValueAndInputsThatGiveNoAnswer) {
    Session s{1};
    aux::ShowForm2(s);
    Form2& f = s.form2();
    struct Case {
        const char *a, *c, *m, *rn1, *want;
    };
    const Case cases[] = {
        {"5", "3", "16", "7", "6"},     {"1", "-10", "7", "2", "-1"},   {"300", "0", "100000", "300", "90000"},
        {"5", "3", "0", "7", ""},       {"5", "x", "16", "7", ""},      {"5", "3", "16", "", ""},
        {"5", "3", "16", "2,5", ""},
    };
    for (const Case& k : cases) {
        f.Text1[4].setText("stale");
        f.Text1[0].setText(k.a);
        f.Text1[1].setText(k.c);
        f.Text1[2].setText(k.m);
        f.Text1[3].setText(k.rn1);
        f.Command1.click();
        EXPECT_EQ(f.Text1[4].text(), k.want) << k.a << " " << k.c << " " << k.m << " " << k.rn1;
    }
}

}  // namespace
