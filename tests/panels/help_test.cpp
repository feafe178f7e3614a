// The statistics window: the boxes the spin passes write, its load and the caption note.
#include <gtest/gtest.h>

#include <string>

#include "panels/frm5help.h"
#include "panels/tch_edge_layout.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

using forms::Control;

namespace {

struct Named {
    const char* name;
    int index;  // -1 for a single control
    const char* design;
};

const Named kNamed[] = {
    {"Text1", 0, "0"},  {"Text1", 1, "0"},   // 16th and 17th totals
    {"Text1", 2, "0"},  {"Text1", 3, "0"},  {"Text1", 5, "0"},  {"Text1", 6, "0"}, {"Text1", 11, "0"},
    {"Text1", 12, "0"}, {"Text1", 14, "0"}, {"Text1", 15, "0"},  // 18th pattern figures
    {"Text1", 8, "5"},  {"Text1", 10, "6"},  // minimum run lengths
    {"Text1", 7, "3"},                        // base bet
    {"Text1", 4, ""},   {"Text1", 9, ""},   {"Text1", 13, "0"}, {"Text1", 16, "0"},
    {"Text1", 17, "0"}, {"Text1", 18, "0"}, {"Text1", 19, "0"}, {"Text1", 20, "0"},  // column streaks
    {"Text1", 21, ""},  {"Text1", 22, ""},  {"Text3", -1, ""},                         // 19th totals start empty
    {"Label1", 18, "19th HGF ADV"},
    {"Text2", -1, "1"},
    {"Command1", -1, "QTM cnt marker"},
};

// Boxes the player may type into: the note, the 18th's parameters and the "Max20th" record.
bool typedByPlayer(const Control& c) {
    if (c.name() == "Text2") return true;
    if (c.name() != "Text1") return false;
    return c.index() == 7 || c.index() == 8 || c.index() == 10 || c.index() == 17;
}

}  // namespace

TEST(HelpDesign, EveryNamedControlHasItsDesignText) {
    Session s;
    Frm5help& f = s.frm5help();
    for (const Named& n : kNamed) {
        Control* c = f.control(n.name, n.index);
        ASSERT_NE(c, nullptr) << n.name << "(" << n.index << ")";
        EXPECT_EQ(c->text(), n.design) << n.name << "(" << n.index << ")";
    }
    EXPECT_EQ(f.Text1[8].toolTip(), "min conditions to achieve pattern,particular numbers");
    for (Control* c : f.controls()) {
        if (c->kind() == forms::Kind::TextBox) {
            EXPECT_EQ(c->locked(), !typedByPlayer(*c)) << where(*c);
        }
    }
}

TEST(HelpDesign, LaidOutWithoutOverlaps) {
    Session s;
    expectReadableLayout(s.frm5help());
}

TEST(HelpLoad, ShowsTheTotalsKeptSoFar) {
    Session s;
    s.st.l_culcwin16 = -37;
    s.st.l_ccwin17all = 212;
    Frm5help& f = s.frm5help();
    EXPECT_EQ(f.Text1[0].text(), "-37");
    EXPECT_EQ(f.Text1[1].text(), "212");
}

TEST(HelpCaptionNote, ReplacesTheMainWindowTitle) {
    struct Case {
        const char* note;
        const char* title;
    };
    for (Case c : {Case{"1", "Tarnhold roulette systems  1"}, Case{"", "Tarnhold roulette systems  "},
                   Case{"table 7", "Tarnhold roulette systems  table 7"}}) {
        Session s;
        Frm5help& f = s.frm5help();
        f.CaptionNote().edit(c.note);
        s.frm1basic().setFocus(nullptr);
        f.Command1.click();
        EXPECT_EQ(s.frm1basic().caption(), c.title);
        EXPECT_EQ(s.frm1basic().focus(), &s.frm1basic().SpinEntryBox());
    }
}
