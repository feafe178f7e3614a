// The FAST panel's own actions, driven as the player drives them.
#include <gtest/gtest.h>

#include "support/files.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "fast/numbers_file.h"
#include "fast/panel.h"
#include "fast/skip.h"
#include "panels/frm6fast.h"
#include "support/feed.h"

namespace fs = std::filesystem;

namespace {

struct FastActions : ::testing::Test {
    Session s{1};
    Frm1basic& m = s.frm1basic();
    Frm6fast& f = s.frm6fast();
    fs::path dir = fs::temp_directory_path() /
                   ("fast_panel_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));

    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }

    void writeFile(const std::string& content) { std::ofstream(dir / fast::NumbersFileName, std::ios::binary) << content; }
    std::string readFile() { return slurp(dir / fast::NumbersFileName); }
    std::string twins() {
        return f.Text4[72].text() + ";" + f.Text4[73].text() + ";" + f.Text4[77].text() + ";" + f.Text4[78].text();
    }
};

}  // namespace

TEST_F(FastActions, StartGameRefusedBeforeThirteenSpins) {
    feed(s, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    f.Text1[4].setText("7");
    m.Command1.setFocus();
    f.Check1.click();
    EXPECT_EQ(f.Check1.value(), 0);
    EXPECT_EQ(f.Text2[5].text(), "");
    EXPECT_EQ(f.Text2[1].text(), "");
    EXPECT_EQ(f.Text1[4].text(), "7");
    EXPECT_EQ(m.focus(), &m.SpinEntryBox());
    // Writing the last spin by hand does not run the engine either.
    fast::writeLastSpin(s, "12");
    EXPECT_EQ(f.Text2[1].text(), "");
}

TEST_F(FastActions, StartGameRunsTheEngineEverySpinEvenOnARepeat) {
    feed(s, {32, 15, 19, 4, 21, 2, 25, 17, 34, 6, 27, 13, 36});
    f.Text1[4].setText("7");
    s.st.l_cwinpartial = 5;
    f.Check1.click();
    EXPECT_EQ(f.Check1.value(), 1);
    EXPECT_EQ(f.Text2[0].text(), "1");
    EXPECT_EQ(f.Text2[5].text(), "36");
    EXPECT_EQ(f.Text2[1].text(), "LOW");
    EXPECT_EQ(f.Text2[2].text(), "|8||5|");  // twelve skips of 1: 8 and 5 never came
    EXPECT_EQ(f.Text2[3].text(), "19,24,26,3");
    EXPECT_EQ(f.Text1[4].text(), "0");
    EXPECT_EQ(s.st.l_cwinpartial, 0);
    EXPECT_EQ(s.st.i_counterskips, 12);

    f.Text2[1].setText("stale");
    fast::writeLastSpin(s, "36");
    EXPECT_EQ(f.Text2[1].text(), "LOW");
}

TEST_F(FastActions, ProgressionSelectorsCycle) {
    std::string seen;
    for (int i = 0; i < 3; ++i) {
        f.Label5[1].click();
        seen += f.Label5[1].caption();
    }
    EXPECT_EQ(seen, "012");
    f.Label5[0].setCaption("7");
    f.Label5[0].click();
    EXPECT_EQ(f.Label5[0].caption(), "7");
}

TEST_F(FastActions, BankrollSetsTheStakes) {
    struct C { const char* bank; const char* min; const char* max; };
    for (auto c : {C{"1500", "1,5", "19,5"}, C{"1234", "1,234", "16,042"}, C{"0", "0", "0"}, C{"-1000", "-1", "-13"},
                   C{"abc", "-1", "-13"}, C{"", "-1", "-13"}, C{"99999999999", "-1", "-13"}, C{"1000", "1", "13"}}) {
        f.Text1[1].setText(c.bank);
        EXPECT_EQ(f.Text1[2].text(), c.min) << c.bank;
        EXPECT_EQ(f.Text1[3].text(), c.max) << c.bank;
    }
    EXPECT_EQ(s.st.l_initbank, 1000);
}

TEST_F(FastActions, ResetsOfNicheAndTwins) {
    feed(s, {1, 2, 3});
    s.st.l_cwin21st = 50;
    s.st.i_bbet21st22 = 9;
    s.st.l_cwin21st2 = 77;
    f.Text4[4].setText("5");
    f.Command1.click();
    EXPECT_EQ(s.st.l_cwin21st, 0);
    EXPECT_EQ(s.st.l_cwin21st2, 77);
    for (auto [box, t] : {std::pair{1, "0"}, {21, "1"}, {2, "77"}, {31, "3"}, {4, "5"}, {0, "0"}})
        EXPECT_EQ(f.Text4[box].text(), t) << box;

    s.st.i_25cntplay = 4;
    f.Command3.click();
    f.Text4[74].setText("3");
    f.Command2.click();
    EXPECT_EQ(twins(), "-1;-1;-1;-1");
    EXPECT_EQ(s.st.i_25cntplay, -1);
    for (int box : {71, 74, 75, 76, 79, 80, 81, 82, 97}) EXPECT_EQ(f.Text4[box].text(), "0") << box;
    EXPECT_EQ(f.Label4[59].foreColor(), forms::colors::White);
}

TEST_F(FastActions, NumbersFileRoundTrip) {
    f.Command2.click();
    ASSERT_TRUE(fast::Command4_Click(s, dir));
    EXPECT_EQ(readFile(), "-1;-1;-1;-1");
    f.Command3.click();
    ASSERT_TRUE(fast::Command4_Click(s, dir));
    EXPECT_EQ(readFile(), "0;5;31;1");
    f.Command2.click();
    fast::Command5_Click(s, dir);
    EXPECT_EQ(twins(), "0;5;31;1");
}

TEST_F(FastActions, NumbersFileReadAllOrNothing) {
    struct C { const char* content; const char* boxes; };
    for (auto c : {C{"7;8;9;10\r\nmore", "7;8;9;10"}, C{"1;2;3;4;5", "1;2;3;4"}, C{"05;-1;36;0", "5;-1;36;0"},
                   C{"", "-1;-1;-1;-1"}, C{"1;2;3", "-1;-1;-1;-1"}, C{"1;2;x;4", "-1;-1;-1;-1"},
                   C{"1;2;3;37", "-1;-1;-1;-1"}, C{"1;2;3;-2", "-1;-1;-1;-1"}, C{"1,5;2;3;4", "-1;-1;-1;-1"},
                   C{" 1;2;3;4", "-1;-1;-1;-1"}, C{"\n1;2;3;4", "-1;-1;-1;-1"}}) {
        f.Command2.click();
        writeFile(c.content);
        fast::Command5_Click(s, dir);
        EXPECT_EQ(twins(), c.boxes) << c.content;
    }
    f.Command3.click();
    fs::remove(dir / fast::NumbersFileName);
    fast::Command5_Click(s, dir);
    EXPECT_EQ(twins(), "0;5;31;1");
}

TEST_F(FastActions, FailedSaveKeepsTheOldFile) {
    writeFile("1;2;3;4");
    fs::create_directory(dir / (std::string(fast::NumbersFileName) + ".tmp"));
    f.Command3.click();
    EXPECT_FALSE(fast::Command4_Click(s, dir));
    EXPECT_EQ(readFile(), "1;2;3;4");
    EXPECT_FALSE(fast::Command4_Click(s, dir / "missing"));
    EXPECT_EQ(twins(), "0;5;31;1");
}
