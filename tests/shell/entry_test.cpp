#include <gtest/gtest.h>

#include "shell/entry.h"
#include "support/feed.h"

namespace colors = forms::colors;

namespace {

struct Entry : ::testing::Test {
    Session s{1};
    Frm1basic& f = s.frm1basic();
    forms::Control& box = f.SpinEntryBox();
};

}  // namespace

TEST_F(Entry, TypedOrPastedTextKeepsAtMostTwoDigits) {
    struct Case { const char* keys; const char* text; forms::Color fore; bool pasted = false; };
    for (auto c : std::initializer_list<Case>{{"12", "12", colors::Red},
                                              {"123", "", colors::Red},
                                              {"0", "0", colors::BrightGreen},
                                              {"10", "10", colors::ScrollBar},
                                              {"a", "", colors::WindowText},
                                              {",5", "5", colors::Red},
                                              {",5", "", colors::WindowText, true},
                                              {"+5", "", colors::WindowText, true},
                                              {"1,", "", colors::Red}}) {
        box.setText("");
        box.setForeColor(colors::WindowText);
        if (c.pasted) box.edit(c.keys);
        else box.typeText(c.keys);
        EXPECT_EQ(box.text(), c.text) << c.keys;
        EXPECT_EQ(box.foreColor(), c.fore) << c.keys;
    }
}

TEST_F(Entry, OutOfRangeTextStaysWithPreviousColourAndIsRejected) {
    for (const char* t : {"37", "-1", "99"}) {
        box.setText("5");
        box.setText(t);
        EXPECT_EQ(box.text(), t);
        EXPECT_EQ(box.foreColor(), colors::Red) << t;
        box.pressEnter();
        EXPECT_EQ(box.text(), t) << "a rejected entry keeps its text";
        EXPECT_EQ(f.Command1.caption(), "Spins: 0");
        EXPECT_EQ(f.Text1[1].text(), "");
    }
}

TEST_F(Entry, EnterInEmptyBoxOrHistoryRowDoesNothing) {
    box.pressEnter();
    feed(s, {7});
    f.Text1[1].pressEnter();
    EXPECT_EQ(f.Command1.caption(), "Spins: 1");
}

TEST_F(Entry, ClickTogglesGreenMarkerOnHistoryRowsOnly) {
    f.Text1[0].click();
    EXPECT_NE(f.Text1[0].backColor(), colors::Green);
    f.Text1[5].click();
    EXPECT_EQ(f.Text1[5].backColor(), colors::Green);
    f.Text1[5].click();
    EXPECT_EQ(f.Text1[5].backColor(), colors::White);
}

TEST_F(Entry, BaseBetBoxChecksItsText) {
    EXPECT_EQ(f.Text7.text(), "5");
    struct Case { const char* typed; const char* bbet; const char* stop; int basebet; };
    for (auto c : std::initializer_list<Case>{{"25", "25", "125", 25}, {"1000", "1", "5", 1},
                                              {"x", "1", "5", 1}, {"999", "999", "4995", 999},
                                              {"2,5", "2,5", "10", 2}}) {
        f.Text5.setText(c.typed);
        EXPECT_EQ(f.Text5.text(), c.bbet) << c.typed;
        EXPECT_EQ(f.Text7.text(), c.stop) << c.typed;
        EXPECT_EQ(s.st.l_basebet.value(), c.basebet) << c.typed;
    }
}
