#include <gtest/gtest.h>

#include "panels/frm6fast.h"
#include "settings/frm2opti.h"
#include "settings/settings.h"
#include "support/feed.h"

using settings::Box;

namespace {

struct Options : ::testing::Test {
    Session s{1};
    Frm1basic& main = s.frm1basic();
    Frm2opti& f = s.frm2opti();
    void SetUp() override { s.start(); }
};

// The "Default" column: box texts, then switch values.
constexpr const char* DefaultTexts[37] = {
    "10", "10", "1", "2", "3", nullptr, nullptr, "4", "6", "-200", "1", "2", "4", "0,05", "17", "40", "1", "50", "1",
    "15", "5", "7", "3", "30", "160", "110", nullptr, nullptr, "12", "17", "2", "50", "0,382", "30", "-126", "-400",
    "0"};
constexpr int DefaultSwitches[16] = {1, 1, 1, 1, 1, 1, 0, 1, 0, 1, 1, 1, -1, 1, 1, 1};  // -1: not written

}  // namespace

TEST_F(Options, FieldCheckKeepsShortNumbersOnly) {
    struct Case { const char* typed; const char* kept; };
    for (auto c : {Case{"", "0"}, Case{"123456", "0"}, Case{"-200", "-200"}, Case{"0,382", "0,382"},
                   Case{"12345", "12345"}, Case{"1.5", "1.5"}, Case{"abc", "0"}, Case{"1e5", "0"}}) {
        for (int box : {0, 17, 36}) {
            f.Text1[box].setText("7");
            f.Text1[box].edit(c.typed);
            EXPECT_EQ(f.Text1[box].text(), c.kept) << box << " '" << c.typed << "'";
        }
    }
}

TEST_F(Options, ProgressionListsLastOnlyUntilTheFirstKeystroke) {
    EXPECT_EQ(f.Text1[6].text(), "1,2,4,8,16,32,64");
    EXPECT_EQ(f.Text1[5].text(), "1,3,9,19,40,80");
    f.Text1[6].typeKey('8');
    EXPECT_EQ(f.Text1[6].text(), "0");
}

TEST_F(Options, LoadSelectsM90AndYes) {
    EXPECT_EQ(f.caption(), "Options QTM");
    EXPECT_EQ(settings::eighthAdvSchedule(s), settings::EighthAdv::M90);
    EXPECT_TRUE(settings::hgfDisadvEnabled(s));
    EXPECT_EQ(f.Option1[0].value() + f.Option1[2].value() + f.Option2[1].value(), 0);
    EXPECT_TRUE(settings::progressionChoice(s, 0));
    EXPECT_FALSE(settings::progressionChoice(s, 1));
}

TEST_F(Options, DefaultWritesItsColumnAndAppliesNothing) {
    for (int i = 0; i < 37; ++i) f.Text1[i].setText("99");
    for (int i = 0; i < 16; ++i) f.Check2[i].setValue(i == 12 ? 1 : 0);
    f.Option1[2].click();
    f.Option2[1].click();
    f.show();

    f.Command2.click();

    for (int i = 0; i < 37; ++i) EXPECT_EQ(f.Text1[i].text(), DefaultTexts[i] ? DefaultTexts[i] : "99") << i;
    for (int i = 0; i < 16; ++i) EXPECT_EQ(f.Check2[i].value(), DefaultSwitches[i] < 0 ? 1 : DefaultSwitches[i]) << i;
    EXPECT_EQ(settings::eighthAdvSchedule(s), settings::EighthAdv::M90);
    EXPECT_TRUE(settings::hgfDisadvEnabled(s));
    EXPECT_TRUE(f.visible());
    // Nothing reaches the other windows before "Ok".
    EXPECT_EQ(main.Text5.text(), "1");
    EXPECT_EQ(s.frm6fast().Text4[34].text(), "12");
    EXPECT_TRUE(main.Command3.visible());

    f.Command1.click();
    EXPECT_FALSE(main.Command3.visible());  // "Y/N" under "Tests" is off after "Default"
    EXPECT_FALSE(f.visible());
}

TEST_F(Options, OkPushesTheBaseBetAndTheNicheLimits) {
    f.show();
    f.Text1[10].setText("25");
    f.Text1[28].setText("9");
    f.Text1[29].setText("21");
    f.Command1.click();
    EXPECT_EQ(main.Text5.text(), "25");
    EXPECT_EQ(main.Text7.text(), "125");
    EXPECT_EQ(s.st.l_basebet, 25);
    for (int i = 34; i <= 41; ++i) EXPECT_EQ(s.frm6fast().Text4[i].text(), i % 2 == 0 ? "9" : "21") << i;
    EXPECT_FALSE(f.visible());
}

TEST_F(Options, OkWithATooLongBaseBetFallsBackToOne) {
    f.Text1[10].setText("2500");
    f.Command1.click();
    EXPECT_EQ(main.Text5.text(), "1");
    EXPECT_EQ(main.Text7.text(), "5");
    EXPECT_EQ(s.st.l_basebet, 1);
}

TEST_F(Options, OkShowsTheTestButtonOnlyWithTestsOn) {
    f.Check2[8].click();
    f.Command1.click();
    EXPECT_FALSE(main.Command3.visible());
    f.Check2[8].click();
    f.Command1.click();
    EXPECT_TRUE(main.Command3.visible());
}

TEST_F(Options, DoubleClickCyclesTheTwinsModeOnly) {
    auto& twins = f.Text1[36];
    twins.dblClick();
    EXPECT_EQ(twins.text(), "5");
    twins.setText("0");
    const char* expected[] = {"1", "2", "0"};
    for (const char* e : expected) {
        twins.dblClick();
        EXPECT_EQ(twins.text(), e);
    }
    f.Text1[0].setText("1");
    f.Text1[0].dblClick();
    EXPECT_EQ(f.Text1[0].text(), "1");
}

TEST_F(Options, ReadersConvertTheTextLive) {
    EXPECT_EQ(settings::integer(s, Box::TrendCounter), 10);
    EXPECT_DOUBLE_EQ(*settings::number(s, Box::BaseBetPercentFromLost), 0.03);
    EXPECT_EQ(settings::text(s, Box::TwinsMode), "5");
    EXPECT_EQ(settings::integer(s, Box::ProgressionListA), std::nullopt);
    EXPECT_TRUE(settings::on(s, settings::Switch::TestsEnabled));
    EXPECT_FALSE(settings::on(s, settings::Switch::TestsFileFlag));

    struct Case { const char* text; std::optional<int32_t> rows; };
    for (auto c : {Case{"99", 28}, Case{"-3", 0}, Case{"12", 12}, Case{"2,5", 2}}) {
        f.Text1[0].setText(c.text);
        EXPECT_EQ(settings::historyRows(s, Box::TrendCounter), c.rows) << c.text;
    }
}

TEST_F(Options, LabelsAndTipsStandBesideTheirBoxes) {
    EXPECT_EQ(f.labelOf(17)->caption(), "Spins no.");
    EXPECT_EQ(f.labelOf(15)->toolTip(), "Time to new spin");
    EXPECT_EQ(f.labelOf(16)->toolTip(), "Count of minutes before timeout for alert");
    EXPECT_EQ(f.Text1[36].toolTip(), "25twins");
    EXPECT_EQ(f.Text1[34].toolTip(), "1.618 from 30 profit target is 126");
    EXPECT_EQ(f.Check2[5].caption(), "General del:");
    EXPECT_EQ(f.Option1[2].toolTip(), "Costs for prog 141spins = 1141");
    EXPECT_EQ(f.labelOf(5), nullptr);
}
