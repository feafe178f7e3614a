#include "forms/form.h"

#include <gtest/gtest.h>

using namespace forms;

namespace {

struct TestForm : Form {
    TestForm() : Form("test") {
        Text1.add(0).design("design");
        Text1.add(2);  // a gap at 1
        Option1.add(0).designValue(1);
        Option1.add(1);
        Other.add(0);
        Other[0].setGroup(1);
    }
    ControlArray& Text1 = makeArray(Kind::TextBox, "Text1");
    ControlArray& Option1 = makeArray(Kind::OptionButton, "Option1");
    ControlArray& Other = makeArray(Kind::OptionButton, "Other");
    Control& Check = makeControl(Kind::CheckBox, "Check");
    Control& Tmr = makeControl(Kind::Timer, "Tmr");
};

}  // namespace

TEST(Forms, ChangeRaisedOnlyWhenTextReallyChanges) {
    TestForm f;
    int changes = 0;
    f.Text1[0].onChange = [&] { ++changes; };
    EXPECT_EQ(f.Text1[0].text(), "design");  // design text raised nothing
    f.Text1[0].setText("x");
    f.Text1[0].setText("x");
    EXPECT_EQ(changes, 1);
}

TEST(Forms, HandlerWritingItsOwnBoxDoesNotLoop) {
    TestForm f;
    int calls = 0;
    auto& box = f.Text1[2];
    box.onChange = [&] {
        ++calls;
        if (box.text().size() > 2) box.setText("");
    };
    box.typeText("123");
    EXPECT_EQ(box.text(), "");
    EXPECT_EQ(calls, 4);  // "1", "12", "123", then ""
}

TEST(Forms, ArraysMayHaveGapsAndAreFoundByName) {
    TestForm f;
    EXPECT_EQ(f.control("Text1", 2), &f.Text1[2]);
    EXPECT_EQ(f.control("Text1", 1), nullptr);
    EXPECT_EQ(f.control("Check"), &f.Check);
    EXPECT_EQ(f.Text1.ubound(), 2);
    EXPECT_THROW(f.Text1[1], std::out_of_range);
}

TEST(Forms, KeyPressComesBeforeInsertionAndCanConsume) {
    TestForm f;
    auto& box = f.Text1[2];
    std::string seen;
    box.onKeyPress = [&](int& key) {
        seen = box.text();
        if (key == 'x') key = 0;
    };
    box.typeKey('a');
    EXPECT_EQ(seen, "");
    box.typeKey('x');
    EXPECT_EQ(box.text(), "a");
    box.pressEnter();
    EXPECT_EQ(box.text(), "a");
}

TEST(Forms, SwitchesRaiseClickWhenSetFromCode) {
    TestForm f;
    int clicks = 0;
    f.Check.onClick = [&] { ++clicks; };
    f.Check.click();
    EXPECT_EQ(f.Check.value(), 1);
    f.Check.setValue(0);
    f.Check.setValue(0);
    EXPECT_EQ(clicks, 2);
    // Option buttons are exclusive only within their group.
    f.Other[0].setValue(1);
    f.Option1[1].click();
    EXPECT_EQ(f.Option1[0].value(), 0);
    EXPECT_EQ(f.Option1[1].value(), 1);
    EXPECT_EQ(f.Other[0].value(), 1);
}

TEST(Forms, DirtyMarksCollectOnceAndClear) {
    TestForm f;
    f.takeDirty();
    f.Text1[0].setText("a");
    f.Text1[0].setText("b");
    f.Text1[0].setForeColor(0xFF);
    f.Text1[2].setBackColor(0xFF);
    f.Text1[2].setBackColor(0xFF);
    auto dirty = f.takeDirty();
    ASSERT_EQ(dirty.size(), 2u);
    EXPECT_TRUE(f.takeDirty().empty());
}

TEST(Forms, TimerTicksOnlyWhenEnabledWithInterval) {
    TestForm f;
    int ticks = 0;
    f.Tmr.onTimer = [&] { ++ticks; };
    f.Tmr.tick();
    f.Tmr.setInterval(60000);
    f.Tmr.tick();
    f.Tmr.setEnabled(false);
    f.Tmr.tick();
    EXPECT_EQ(ticks, 1);
}

TEST(Forms, NumericWritesFormatOnceYetSeeEveryOtherWrite) {
    TestForm f;
    auto& box = f.Text1[2];
    int changes = 0;
    box.onChange = [&] {
        ++changes;
        if (box.text() == "7") box.setText("seven");  // a handler rewriting the figure
    };
    box.setNumber(int64_t{12});
    box.setNumber(int64_t{12});
    box.setNumber(12.0);
    EXPECT_EQ(changes, 1);
    box.setText("typed");
    box.setNumber(int64_t{12});
    EXPECT_EQ(box.text(), "12");
    box.setNumber(int64_t{7});
    box.onChange = nullptr;
    box.setNumber(int64_t{7});  // the box shows "seven", not 7: written again
    EXPECT_EQ(box.text(), "7");
    f.takeDirty();
    box.setNumber(7.0);
    EXPECT_TRUE(f.takeDirty().empty());
}

TEST(Forms, BoundTextIsMadeWhenReadAndYieldsToAnotherWrite) {
    TestForm f;
    auto& box = f.Text1[2];
    int made = 0;
    std::string figures = "1 2";
    box.bindText([&](std::string& out) {
        ++made;
        out = figures;
    });
    box.touchBound();
    figures = "1 2 3";
    box.touchBound();
    EXPECT_EQ(made, 0);
    EXPECT_EQ(box.text(), "1 2 3");
    EXPECT_EQ(box.text(), "1 2 3");
    EXPECT_EQ(made, 1);
    EXPECT_TRUE(box.showsBound());
    box.setText("");
    EXPECT_FALSE(box.showsBound());
    box.touchBound();
    EXPECT_EQ(box.text(), "1 2 3");
}

// Show on a shown window brings it up again; hiding and showing the same window raises once each time.
TEST(Forms, ShowAsksForTheWindowInFrontShownAlreadyOrNot) {
    TestForm f;
    EXPECT_FALSE(f.takeRaise());
    f.show();
    f.clearFrameDirty();
    EXPECT_TRUE(f.takeRaise());
    EXPECT_FALSE(f.takeRaise()) << "asked once";
    f.show();
    EXPECT_TRUE(f.frameDirty()) << "the view looks at the window again";
    EXPECT_TRUE(f.takeRaise());
    f.hide();
    f.setVisible(true);
    EXPECT_FALSE(f.takeRaise()) << "only show brings a window up";
}
