// The "TCh" window before its first spin: every control the board, the column systems and the
// player's actions reach, with its design text, colours and lock, laid out readably.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "panels/frm7tch.h"
#include "shell/session.h"
#include "tch_edge_layout.h"

namespace {

// Box texts other than "0".
const std::map<int, std::string> kBoxDesign = {
    // the board's stakes
    {2, "1"}, {9, "1"}, {16, "1"}, {23, "1"}, {30, "1"}, {59, "1"}, {122, "1"}, {129, "1"}, {136, "1"},
    {143, "1"}, {206, "1"}, {37, "1"}, {44, "1"}, {51, "1"}, {66, "1"}, {73, "1"}, {80, "1"}, {109, "1"},
    {213, "1"}, {220, "1"}, {306, "1"}, {293, "1"}, {300, "1"},
    {235, "1"}, {244, "1"}, {250, "1"}, {256, "1"}, {262, "1"}, {268, "1"}, {286, "1"},
    // sleep limits and the common limit
    {6, "70"}, {13, "70"}, {20, "70"}, {27, "70"}, {34, "70"}, {63, "70"}, {118, "70"}, {125, "70"},
    {132, "70"}, {139, "70"}, {210, "70"}, {56, "23"},
    // the other rows' limits and the "GO" pair
    {41, "24"}, {48, "36"}, {55, "8"}, {70, "6"}, {77, "6"}, {84, "33"}, {309, "8"}, {310, "28"},
    {111, "30"}, {230, "25"}, {231, "75"}, {232, "99"}, {233, "99"},
    // column systems and "Re"
    {114, "1"}, {200, "40"}, {201, "8"}, {229, "20"}, {270, "9"},
};

// The boxes the player types into; every other box is the system's.
const std::set<int> kTyped = {6,   13,  20,  27,  34,  63,  118, 125, 132, 139, 210, 56,  41,  48,  55,  70, 77,
                              84,  309, 310, 111, 230, 231, 232, 233, 200, 201, 229, 270, 271};

const std::map<int, std::string> kLabelDesign = {
    {0, "Cwin"},        {1, "CwMin"},      {2, "Bb"},         {3, "BbMx"},       {4, "CntW"},
    {5, "CntL"},        {6, "Rounds"},     {7, "5,15,25,35"}, {8, "8,18,28"},    {9, "9,19,29"},
    {10, "0,10,20,30"}, {11, "11,22,33"},  {17, "4,14,24,34"}, {23, "6,16,26,36"}, {24, "1,11,21,31"},
    {25, "2,12,22,32"}, {26, "3,13,23,33"}, {40, "7,17,27"},  {12, "-"},         {13, "-"},
    {14, "-"},          {15, "GO"},        {16, "26,14-26,14"}, {18, "31-13,35"}, {41, "7-X-7"},
    {42, "4-X-4"},      {60, "5-X-5"},     {61, "8-X-8"},     {62, "6-X-6"},     {21, "-"},
    {47, ""},           {48, ""},          {49, ""},          {50, ""},          {51, ""},
    {52, ""},           {59, ""},          {22, "-"},         {27, "-"},         {43, "-"},
    {44, "-"},          {53, "-"},         {54, "ttt"},       {55, "ttt"},       {56, "ttt"},
    {28, "1-3"},        {29, "4-6"},       {19, "7-9"},       {30, "10-12"},     {31, "13-15"},
    {32, "16-18"},      {33, "19-21"},     {34, "22-24"},     {35, "25-27"},     {36, "28-30"},
    {37, "31-33"},      {38, "34-36"},
};

struct TchDesign : ::testing::Test {
    Session s;
    Frm7tch& f = s.frm7tch();
};

}  // namespace

TEST_F(TchDesign, EveryBoxExistsWithItsDesignTextAndLock) {
    for (int i = 0; i <= 310; ++i) {
        if (i >= 100 && i <= 103) {
            EXPECT_EQ(f.Text1.find(i), nullptr) << i;
            continue;
        }
        const forms::Control* c = f.Text1.find(i);
        ASSERT_NE(c, nullptr) << "Text1(" << i << ")";
        auto d = kBoxDesign.find(i);
        EXPECT_EQ(c->text(), d == kBoxDesign.end() ? "0" : d->second) << "Text1(" << i << ")";
        EXPECT_EQ(c->locked(), kTyped.count(i) == 0) << "Text1(" << i << ")";
    }
}

TEST_F(TchDesign, LabelsButtonsAndSwitchCarryTheirCaptions) {
    for (const auto& [i, caption] : kLabelDesign) {
        const forms::Control* c = f.Label1.find(i);
        ASSERT_NE(c, nullptr) << "Label1(" << i << ")";
        EXPECT_EQ(c->caption(), caption) << "Label1(" << i << ")";
    }
    EXPECT_EQ(f.caption(), "TCh");
    EXPECT_EQ(f.Command1.caption(), "Cls");
    EXPECT_EQ(f.Command2.caption(), "Re");
    EXPECT_EQ(f.Check1.caption(), "Go");
    EXPECT_EQ(f.Check1.value(), 0);
    EXPECT_EQ(f.Label1[15].toolTip(), "27 a 7 alternatively");
    EXPECT_EQ(f.Label1[16].toolTip(), "32 a 23 alternatively");
    EXPECT_EQ(f.Label1[18].toolTip(), "19 a 9 alternatively");
    EXPECT_EQ(f.Label1[22].toolTip(), "32 a 23 alternatively");
    EXPECT_EQ(f.Label1[27].toolTip(), "32 a 23 alternatively");
}

TEST_F(TchDesign, StateColoursStartAtTheirDesignValues) {
    // Row captions that the board turns green and white.
    for (int i : {7, 8, 9, 10, 11, 17, 23, 24, 25, 26, 40, 41, 42, 60, 61, 62, 47, 48, 49, 50, 51, 52, 59})
        EXPECT_EQ(f.Label1[i].foreColor(), 0x8000000Eu) << "Label1(" << i << ")";
    // The highlighted sleep counters: window colour on menu-text colour.
    for (int i : {167, 168, 169, 170, 171, 172, 203}) {
        EXPECT_EQ(f.Text1[i].backColor(), 0x80000007u) << i;
        EXPECT_EQ(f.Text1[i].foreColor(), 0x80000005u) << i;
    }
    EXPECT_NE(f.Label1[21].backColor(), 0x00C000u);  // the count switch starts off
}

TEST_F(TchDesign, BoardRowsReadAsAGrid) {
    expectReadableLayout(f);
    // Every board row: caption at the left, its boxes on the caption's line, left to right in
    // the order of the column heads.
    for (const auto& r : tchbox::StandardRows) {
        const auto& cap = f.Label1[r.label].geometry();
        int prev = cap.left + cap.width;
        for (int box : {r.cwin, r.cwMin, r.sleep, r.bb, r.bbMx, r.cntW, r.cntL, r.rounds, r.limit}) {
            const auto& g = f.Text1[box].geometry();
            EXPECT_TRUE(cap.top >= g.top && cap.top + cap.height <= g.top + g.height) << r.caption;  // same line
            EXPECT_GT(g.left, prev) << r.caption << " box " << box;
            prev = g.left;
        }
        EXPECT_EQ(f.Text1[r.cwin].geometry().left, f.Label1[0].geometry().left);  // under "Cwin"
        EXPECT_EQ(f.Text1[r.rounds].geometry().left, f.Label1[6].geometry().left);  // under "Rounds"
    }
    for (const auto& r : tchbox::SectorRows)
        EXPECT_EQ(f.Text1[r.rounds].geometry().left, f.Label1[6].geometry().left);
}
