// "The Edge" before its first spin, and its progression switches.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "panels/frm8edge.h"
#include "shell/frm1basic.h"
#include "shell/session.h"
#include "tch_edge_layout.h"

namespace {

constexpr forms::Color Grey = 0xC0C0C0, On = 0x00C000;

// Box texts other than "0".
const std::map<int, std::string> kBoxDesign = {
    {19, "182"}, {27, "49"}, {41, "140"}, {46, "22"}, {55, "66"}, {60, "90"}, {99, "429"},  // limits
    {145, "2"},  {146, "1"}, {147, "4"},                                                   // Horni, Dolni, Pivot
    {160, "10"}, {163, "5"}, {171, "8"},  {179, "10"},                                     // cycles
    {161, "33"}, {162, "6"}, {170, "0"},  {178, "22"},                                     // seeds
    {186, "33"}, {187, "11"}, {188, "22"},                                                 // system 4's numbers
};
const std::set<int> kTyped = {19,  27,  41,  46,  55,  60,  99,  137, 145, 146, 160,
                              161, 162, 163, 170, 171, 178, 179, 186, 187, 188};
const std::set<int> kMaxBoxes = {18, 20, 40, 45, 54, 59, 98, 144};
const std::set<int> kLimitBoxes = {19, 27, 41, 46, 55, 60, 99};

struct EdgeTest : ::testing::Test {
    Session s;
    Frm8edge& f = s.frm8edge();
};

}  // namespace

TEST_F(EdgeTest, EveryBoxExistsWithItsDesignTextColourAndLock) {
    for (int i = 0; i <= 188; ++i) {
        const forms::Control* c = f.Text1.find(i);
        ASSERT_NE(c, nullptr) << "Text1(" << i << ")";
        auto d = kBoxDesign.find(i);
        EXPECT_EQ(c->text(), d == kBoxDesign.end() ? "0" : d->second) << "Text1(" << i << ")";
        EXPECT_EQ(c->locked(), kTyped.count(i) == 0) << "Text1(" << i << ")";
        if (kMaxBoxes.count(i)) {
            EXPECT_EQ(c->backColor(), 0xC0FFFFu) << i;
        }
        if (kLimitBoxes.count(i)) {
            EXPECT_EQ(c->backColor(), 0xFFFF80u) << i;
        }
    }
    // Count boxes: the window colour for pairs and single numbers, white for the other families.
    for (int i = 0; i <= 97; ++i) {
        if (kMaxBoxes.count(i) || kLimitBoxes.count(i)) continue;
        bool windowColour = i <= 17 || i >= 61;
        EXPECT_EQ(f.Text1[i].backColor(), windowColour ? 0x80000005u : 0xFFFFFFu) << i;
    }
}

TEST_F(EdgeTest, LabelsCarryTheirCaptions) {
    EXPECT_EQ(f.caption(), "The Edge");
    EXPECT_EQ(f.backColor(), Grey);
    const char* pairs[] = {"32,10", "15,5",  "19,24", "4,16",  "21,33", "2,1",  "25,20", "17,14", "34,31",
                           "6,9",   "27,22", "13,18", "36,29", "11,7",  "30,28", "8,12", "23,35", "26,3"};
    for (int k = 0; k < 18; ++k) {
        EXPECT_EQ(f.Label4[87 + k].caption(), pairs[k]);
        EXPECT_EQ(f.Label4[87 + k].toolTip(), "11,36,13,27,6,34,17,25,2,21");
    }
    const std::map<int, std::string> label1 = {
        {2, "1-6"},  {3, "7-12"},      {4, "13-18"},    {5, "19-24"},    {6, "25-30"},   {7, "31-36"},
        {82, "Progression"}, {83, "1nb[100]"}, {85, "2nb[70]"}, {84, "3nb[45]"}, {86, "4nb[38]"},
        {87, "6nb[25]"}, {88, "12nb[10]"}, {113, "- "}, {116, "- "}, {117, "- "}, {118, "P"}};
    for (const auto& [i, caption] : label1) EXPECT_EQ(f.Label1[i].caption(), caption) << "Label1(" << i << ")";
    for (int i : {113, 116, 117, 118}) EXPECT_EQ(f.Label1[i].foreColor(), 0x80000008u);
    for (int k = 0; k <= 5; ++k) {
        EXPECT_EQ(f.Label2[k].caption(), "0");
        EXPECT_EQ(f.Label2[k].backColor(), Grey);
    }
}

TEST_F(EdgeTest, BoardReadsAsFamiliesOfColumns) {
    expectReadableLayout(f);
    // Single numbers rise from left to right, 0..17 above 18..36.
    for (int n = 1; n <= 36; ++n) {
        if (n == 18) continue;
        EXPECT_GT(f.Text1[edgebox::singleBox(n)].geometry().left, f.Text1[edgebox::singleBox(n - 1)].geometry().left) << n;
    }
    EXPECT_GT(f.Text1[edgebox::singleBox(18)].geometry().top, f.Text1[edgebox::singleBox(17)].geometry().top);
    // Every family's maximum and limit stand in the same two columns.
    for (const auto& run : edgebox::GapRuns) {
        if (run.maxBox == 20 || run.maxBox == 40) continue;  // six-lines and streets share a line
        EXPECT_EQ(f.Text1[run.maxBox].geometry().left, f.Text1[18].geometry().left) << run.maxBox;
        EXPECT_EQ(f.Text1[run.limitBox].geometry().left, f.Text1[19].geometry().left) << run.limitBox;
    }
}

TEST_F(EdgeTest, TwoClicksOnASwitchTurnItOnAndOffAgain) {
    auto& main = s.frm1basic();
    for (int k = 0; k <= 5; ++k) {
        main.setFocus(&main.Text1[3]);
        f.Label2[k].click();
        EXPECT_EQ(f.Label2[k].backColor(), On) << k;
        EXPECT_EQ(main.focus(), &main.SpinEntryBox());
        f.Label2[k].click();
        EXPECT_EQ(f.Label2[k].backColor(), Grey) << k;
        EXPECT_EQ(f.Label2[k].caption(), "0");  // the caption is the spin pass's
    }
    f.Label2[2].setBackColor(0x0000FF);  // any colour but grey counts as on and turns grey
    f.Label2[2].click();
    EXPECT_EQ(f.Label2[2].backColor(), Grey);
    EXPECT_EQ(f.Label2[3].backColor(), Grey);  // the others are untouched
}
