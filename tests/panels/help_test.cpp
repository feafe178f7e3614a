// The statistics window: its load and the caption note.
#include <gtest/gtest.h>

#include "panels/frm5help.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

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
