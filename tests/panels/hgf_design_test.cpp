// The HGF panel before its first spin: every control the passes and the player reach, with its
// design text, colours and lock, and a number grid that reads at a glance on a 1920x1080 screen.
#include <gtest/gtest.h>

#include <string>

#include "panels/frm3hgf.h"
#include "panels/tch_edge_layout.h"
#include "shell/session.h"

using forms::Control;
using forms::Kind;

namespace {

struct Named {
    const char* name;
    int first, last;  // -1, -1 for a single control
    const char* design;
};

// What the spin passes and the panel's actions expect to find.
const Named kNamed[] = {
    {"Text1", 0, 36, "0"}, {"Text2", 0, 36, "0"}, {"Label2", 46, 82, "0"}, {"Label2", 83, 83, "0"},
    {"Label2", 84, 84, "MAX"}, {"Label12", 0, 36, "0"}, {"Label13", 0, 36, "0"}, {"Label14", 0, 0, "AVG"},
    {"Label14", 1, 1, "Mn"}, {"Label14", 2, 2, "Mx"}, {"Label14", 3, 3, "Avg"}, {"Label14", 4, 6, "0"},
    {"Label11", -1, -1, "MARK"}, {"Label5", -1, -1, "Timer Off"}, {"Label6", -1, -1, "0"}, {"Text3", 0, 0, ""},
    {"Text3", 1, 1, "wait"}, {"Text3", 2, 2, "0"}, {"Text3", 3, 7, ""}, {"Text4", 0, 0, "0"},
    {"Text4", 1, 1, "1"}, {"Text4", 2, 3, "0"}, {"Text4", 4, 4, "1"}, {"Text4", 5, 5, "0"},
    {"Text4", 6, 6, "1"}, {"Text4", 7, 7, "0"}, {"Text4", 8, 8, "1"}, {"Text4", 9, 9, "Bal:"},
    {"Text4", 10, 11, "0"}, {"Check1", 0, 2, ""}, {"Label15", 0, 0, "54"}, {"Label15", 1, 1, "96"},
    {"Label15", 2, 2, "76"}, {"Label15", 3, 3, "203"}, {"Label15", 4, 4, "60"}, {"Label15", 5, 5, "250"},
    {"Label15", 6, 8, "Eur"}, {"Command1", -1, -1, "cls"}, {"Label1", 1, 1, "11th Sixth"},
    {"Label1", 2, 2, "14th Dorviks doz."}, {"Label4", 0, 0, "1 - 6"}, {"Label4", 5, 5, "31 - 36"},
    {"Text5", 0, 6, "0"}, {"Text6", -1, -1, "0"}, {"Text7", 0, 1, ""}, {"Text8", 0, 0, ""},
    {"Text8", 1, 1, "1"}, {"Text8", 2, 3, "0"}, {"Label7", 0, 0, "L1-6,N 20,26,8,10"},
    {"Label7", 5, 5, "L28-33,N 0,22,24,35"}, {"Label7", 6, 6, "No"}, {"Label7", 7, 7, "Avg"},
    {"Label7", 8, 8, "Mx"}, {"Label7", 12, 12, "-"}, {"Text9", 0, 17, "0"}, {"Text10", 0, 2, "0"},
    {"Text10", 3, 3, "1"}, {"Text10", 4, 4, "5"}, {"Text10", 5, 7, "0"}, {"Text11", 0, 4, "0"},
    {"Label8", 0, 1, "0"}, {"Text12", 0, 3, "N"}, {"Text13", 0, 3, "0"}, {"Text13", 4, 7, "1"},
    {"Text13", 8, 8, "0"}, {"Text13", 9, 9, "1"}, {"Text13", 10, 10, "0"}, {"Text13", 11, 11, "1"},
};

// The boxes the player types into; every other box only the system writes.
bool typedByPlayer(const Control& c) {
    return (c.name() == "Text4" && (c.index() == 2 || c.index() == 7)) ||
           (c.name() == "Text10" && (c.index() == 3 || c.index() == 4));
}

class HgfDesign : public ::testing::Test {
protected:
    Session s;
    Frm3hgf& f = s.frm3hgf();
};

}  // namespace

TEST_F(HgfDesign, EveryNamedControlHasItsDesignText) {
    for (const Named& n : kNamed) {
        for (int i = n.first; i <= n.last; ++i) {
            Control* c = f.control(n.name, i);
            ASSERT_NE(c, nullptr) << n.name << "(" << i << ")";
            EXPECT_EQ(c->text(), n.design) << where(*c);
        }
    }
    for (int n = 0; n <= 36; ++n) EXPECT_EQ(f.Label2[n].caption(), std::to_string(n));
    EXPECT_EQ(f.caption(), "HGF & 12 unique numbers");
    EXPECT_FALSE(f.visible());
}

TEST_F(HgfDesign, ColoursVisibilityAndTips) {
    EXPECT_EQ(f.Label5.backColor(), 0x8080FFu);
    EXPECT_FALSE(f.Label6.visible());
    EXPECT_FALSE(f.Timer1.enabled());
    EXPECT_EQ(f.Timer1.interval(), 60000);
    EXPECT_FALSE(f.Text5[6].visible());
    EXPECT_EQ(f.Text6.foreColor(), 0xFF00u);
    EXPECT_TRUE(f.Text6.bold());
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(f.Text7[i].foreColor(), 0xFFFFu);
        EXPECT_EQ(f.Text7[i].backColor(), 0x80000006u);
    }
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(f.Text8[i].backColor(), 0x80000006u);
    for (int n = 0; n <= 36; ++n) {
        EXPECT_EQ(f.HgfValues(n).backColor(), 0x8000000Eu);
        EXPECT_EQ(f.NonAppearLabels(n).backColor(), 0x80000007u);
        EXPECT_NE(f.Label2[n].backColor(), forms::colors::Green) << "a number must not start picked";
    }
    for (int k = 0; k < 4; ++k) EXPECT_EQ(f.WaveBoxes(k).backColor(), forms::colors::White);
    for (int k = 0; k < 6; ++k) EXPECT_NE(f.Label4[k].backColor(), forms::colors::Green) << "no six line starts marked";
    EXPECT_EQ(f.Text3[5].toolTip(),
              "13th number, player can include or not to the set of playing numbers.Balance is not calculated for this 13th number.");
    EXPECT_EQ(f.Text3[7].toolTip(), "Theory index");
}

TEST_F(HgfDesign, OnlyThePlayersBoxesTakeTyping) {
    for (Control* c : f.controls()) {
        if (c->kind() == Kind::TextBox) {
            EXPECT_EQ(c->locked(), !typedByPlayer(*c)) << where(*c);
        }
    }
}

TEST_F(HgfDesign, LaidOutWithoutOverlapsOnAFullHdScreen) { expectReadableLayout(f); }

// Each number's column: its label, value, hits, absence and 19th marks stacked in one column,
// wide and tall enough for "12,34" at a readable size, numbers in ascending order.
TEST_F(HgfDesign, NumberGridReadsAtAGlance) {
    for (int n = 0; n <= 36; ++n) {
        const Control* column[] = {&f.Label2[n], &f.HgfValues(n), &f.HitCounts(n), &f.NonAppearLabels(n),
                                   &f.Label12[n], &f.Label13[n]};
        for (const Control* c : column) {
            EXPECT_EQ(c->geometry().left, f.Label2[n].geometry().left) << where(*c);
            EXPECT_GE(c->geometry().width, 40) << where(*c);
            EXPECT_GE(c->geometry().height, 20) << where(*c);
            EXPECT_GE(c->fontSize(), 9) << where(*c);
            EXPECT_EQ(c->alignment(), 2) << where(*c);
        }
        for (int r = 1; r < 6; ++r) EXPECT_GT(column[r]->geometry().top, column[r - 1]->geometry().top);
        if (n > 0) {
            EXPECT_GT(f.Label2[n].geometry().left, f.Label2[n - 1].geometry().left);
        }
    }
}
