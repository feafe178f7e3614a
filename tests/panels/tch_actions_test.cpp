// The "TCh" window's own actions: "Cls", "Re", "Go", the count switch and the click counter.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "panels/frm7tch.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

namespace {

constexpr forms::Color On = 0x00C000;

struct TchActions : ::testing::Test {
    Session s;
    Frm7tch& f = s.frm7tch();

    // History rows 1.. as given, newest first.
    void history(std::vector<std::string> rows) {
        for (size_t i = 0; i < rows.size(); ++i) s.frm1basic().Text1[static_cast<int>(i) + 1].setText(rows[i]);
    }
    std::vector<std::string> sleepLimits() const {
        std::vector<std::string> out;
        for (int i : tchbox::SleepLimitBoxes) out.push_back(f.Text1[i].text());
        return out;
    }
};

}  // namespace

TEST_F(TchActions, ClsSpreadsTheCommonLimitAndTakesTheStreetGapLimit) {
    f.Text1[201].edit("12");
    f.Command1.click();
    EXPECT_EQ(sleepLimits(), std::vector<std::string>(11, "23"));
    EXPECT_EQ(s.st.i_22plcnt, 12);
    // Only the eleven sleep limits: the other rows keep theirs.
    EXPECT_EQ(f.Text1[41].text(), "24");
    EXPECT_EQ(f.Text1[230].text(), "25");
    EXPECT_EQ(f.Text1[231].text(), "75");
}

TEST_F(TchActions, ClsSpreadsOnlyAWholeNumber) {
    for (const char* common : {"2,5", "abc", "", "-", "7x"}) {
        Session fresh;
        auto& w = fresh.frm7tch();
        w.Text1[56].edit(common);
        w.Text1[201].edit("9");
        w.Command1.click();
        for (int i : tchbox::SleepLimitBoxes) EXPECT_EQ(w.Text1[i].text(), "70") << common;
        EXPECT_EQ(fresh.st.i_22plcnt, 9) << common;  // the street gap limit is taken all the same
    }
    f.Text1[56].edit("0");
    f.Command1.click();
    EXPECT_EQ(sleepLimits(), std::vector<std::string>(11, "0"));
}

TEST_F(TchActions, ClsKeepsTheStreetGapLimitWhenItsBoxHoldsNoNumber) {
    f.Command1.click();
    ASSERT_EQ(s.st.i_22plcnt, 8);
    f.Text1[201].edit("eight");
    f.Command1.click();
    EXPECT_EQ(s.st.i_22plcnt, 8);
    f.Text1[201].edit("40000");  // beyond the old 16 bits
    f.Command1.click();
    EXPECT_EQ(s.st.i_22plcnt, 40000);
}

TEST_F(TchActions, ReDerivesThreeNumbersFromTheLastTwoSpins) {
    history({"17", "5"});
    f.Command2.click();
    EXPECT_EQ(f.Text1[270].text(), "10");
    EXPECT_EQ(f.Label1[54].caption(), "22,13,35");  // 170 mod 37, 50 mod 37, their sum mod 37
    EXPECT_EQ(f.Label1[53].caption(), "17,5");
    f.Text1[6].click();  // a click on any box raises the addend
    f.Command2.click();
    EXPECT_EQ(f.Text1[270].text(), "11");
    EXPECT_EQ(f.Label1[54].caption(), "3,19,22");  // (187 + 1) mod 37, (55 + 1) mod 37
}

TEST_F(TchActions, ReOnlyRaisesTheMultiplierWithoutTwoDifferentSpins) {
    struct Case {
        std::vector<std::string> spins;
        bool go;
    };
    const Case cases[] = {
        {{"17", "17"}, false}, {{"0", "5"}, false}, {{"17", "0"}, false},
        {{"17"}, false},       {{}, false},         {{"17", "5"}, true},
    };
    for (const auto& c : cases) {
        Session fresh;
        auto& w = fresh.frm7tch();
        for (size_t i = 0; i < c.spins.size(); ++i) fresh.frm1basic().Text1[static_cast<int>(i) + 1].setText(c.spins[i]);
        if (c.go) w.Check1.click();
        w.Command2.click();
        EXPECT_EQ(w.Text1[270].text(), "10");
        EXPECT_EQ(w.Label1[54].caption(), "ttt");
        EXPECT_EQ(w.Label1[53].caption(), "-");
    }
}

TEST_F(TchActions, ReWithBoxesThatHoldNoNumberDoesNothingItCannot) {
    history({"17", "5"});
    f.Text1[270].edit("nine");
    f.Command2.click();
    EXPECT_EQ(f.Text1[270].text(), "nine");
    EXPECT_EQ(f.Label1[54].caption(), "ttt");

    f.Text1[270].edit("9");
    f.Text1[271].edit("");
    f.Command2.click();
    EXPECT_EQ(f.Text1[270].text(), "10");  // the multiplier still steps
    EXPECT_EQ(f.Label1[54].caption(), "ttt");

    // Products past the old 16 bits, and negative remainders, as whole-number arithmetic gives them.
    f.Text1[271].edit("0");
    f.Text1[270].edit("-100");
    f.Command2.click();
    EXPECT_EQ(f.Label1[54].caption(), "-18,-14,-32");
    f.Text1[270].edit("2147483647");
    f.Command2.click();
    EXPECT_EQ(f.Text1[270].text(), "2147483648");
    EXPECT_EQ(f.Label1[54].caption(), "-18,-14,-32");  // a multiplier out of range derives nothing
    f.Text1[270].edit("30000");
    f.Command2.click();
    EXPECT_EQ(f.Label1[54].caption(), "9,7,16");  // 17 * 30001 = 510017 is no longer an overflow
}

TEST_F(TchActions, AnyLabelTogglesTheCountSwitchAndShowsTheLastThreeSpins) {
    history({"17", "5", "3"});
    auto& sw = f.Label1[tchbox::SwitchLabel];
    f.Label1[7].click();  // a row caption
    EXPECT_EQ(sw.backColor(), On);
    EXPECT_EQ(sw.caption(), "17 5 3");
    sw.click();
    EXPECT_EQ(sw.backColor(), 0u);
    history({"9", "17", "5"});
    f.Label1[54].click();
    EXPECT_EQ(sw.backColor(), On);
    EXPECT_EQ(sw.caption(), "9 17 5");

    Session early;
    early.frm1basic().Text1[1].setText("4");
    early.frm7tch().Label1[21].click();
    EXPECT_EQ(early.frm7tch().Label1[21].caption(), "4  ");
}

TEST_F(TchActions, EveryBoxClickCountsIntoTheAddend) {
    f.Text1[6].click();
    f.Text1[195].click();
    f.Text1[271].click();
    EXPECT_EQ(f.Text1[271].text(), "3");
    f.Text1[271].edit("x");
    f.Text1[6].click();
    EXPECT_EQ(f.Text1[271].text(), "x");
}

TEST_F(TchActions, GoTicksAndGivesTheFocusBackToTheEntryBox) {
    auto& main = s.frm1basic();
    main.setFocus(&main.Text1[5]);
    f.Check1.click();
    EXPECT_EQ(f.Check1.value(), 1);
    EXPECT_EQ(main.focus(), &main.SpinEntryBox());
    main.setFocus(&main.Text1[5]);
    f.Command1.click();
    f.Command2.click();
    EXPECT_EQ(main.focus(), &main.Text1[5]);  // "Cls" and "Re" leave the focus where it is
}
