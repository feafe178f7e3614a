// The FAST panel before its first spin: every control the systems and the player reach, with its
// design text, colour, tool tip and lock, laid out without overlaps.
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "panels/frm6fast.h"
#include "shell/session.h"

using forms::Control;
using forms::Kind;

namespace {

struct Named {
    const char* name;
    std::vector<int> indexes;  // {-1} for a single control
    const char* design;
};

// What the spin passes, the panel's actions and the main window's load expect to find.
const Named kNamed[] = {
    // 21st NICHE board, its totals and the limits the main window copies in at start.
    {"Text4", {0, 7, 8, 9, 6, 10, 11, 12, 1, 15, 16, 17, 5, 18, 19, 20, 3, 21, 22, 23}, "0"},
    {"Text4", {13, 24, 25, 26, 14, 27, 28, 29, 30, 31, 32, 2, 4}, "0"},
    {"Text4", {34, 35, 36, 37, 38, 39, 40, 41}, "0"},
    {"Label4", {16}, "21st NICHE"},
    {"Command1", {-1}, "Cls21"},
    // 12th FAST: 28Fass boxes, bankroll, verdict.
    {"Check1", {-1}, "Start Game"},
    {"Text1", {1}, "1000"},
    {"Text1", {2}, "1"},
    {"Text1", {3}, "13"},
    {"Text1", {4}, "0"},
    {"Text2", {0, 4}, "0"},
    {"Text2", {1, 2, 3, 5}, ""},
    {"Label1", {-1}, ""},
    {"Label3", {-1}, "0"},
    // 13th Fibonacci numbers.
    {"Text3", {0, 1, 2, 3, 4}, "0"},
    {"Label2", {16}, "13th Fibonacci nbrs"},
    // 22nd.
    {"Text4", {33, 42, 43, 44, 45, 46}, "0"},
    {"Label4", {29}, "11,22,33"},
    {"Label4", {33}, "10,20,30"},
    // 23rd Neuron net.
    {"Text4", {47, 48, 49, 50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 60, 61, 62}, "0"},
    {"Label4", {44}, "23rd Neuron net"},
    {"Label4", {34}, "3311"},
    {"Label4", {35}, "3322"},
    {"Label4", {36}, "3333"},
    {"Label4", {37}, "1111"},
    {"Label4", {38}, "2222"},
    {"Label4", {39}, "2211"},
    // 24th Inverse gold ratio.
    {"Text4", {63, 65, 66, 67, 68, 69, 70}, "0"},
    {"Text4", {64}, ""},
    {"Label4", {51}, "24th Inverse gold ratio - trend system"},
    // 25th Twins.
    {"Text4", {72, 73, 77, 78}, "-1"},
    {"Text4", {71, 74, 75, 76, 79, 80, 81, 82, 97}, "0"},
    {"Text4", {106, 107}, "-1"},
    {"Label4", {52}, "25th Twins"},
    {"Label4", {53}, "Seed"},
    {"Label4", {54}, "Twin"},
    {"Label4", {55}, "Cwin25"},
    {"Label4", {56, 62}, "Bb"},
    {"Label4", {57}, "MinCw"},
    {"Label4", {58, 63}, "End"},
    {"Label4", {59}, "Seed2"},
    {"Label4", {60}, "Twin2"},
    {"Label4", {61}, "Cwin2"},
    {"Label4", {64}, "MinCw2"},
    {"Label5", {0, 1}, "2"},
    {"Command2", {-1}, "Cls25"},
    {"Command3", {-1}, "Gns"},
    {"Command4", {-1}, "S"},
    {"Command5", {-1}, "R"},
    // 12th Fast groups and tail.
    {"Text4", {83, 84, 85, 86, 87, 88, 89, 90, 91, 92, 93, 94, 95, 96}, "-1"},
    {"Text4", {98, 99, 101, 102, 103, 104}, "-1"},
    {"Text4", {105}, "0"},
    {"Label4", {66}, "5"},
    {"Label4", {67}, "15"},
    {"Label4", {68}, "25"},
    {"Label4", {69}, "35"},
    {"Label4", {70}, "11"},
    {"Label4", {71}, "22"},
    {"Label4", {72}, "33"},
    {"Label4", {73}, "10"},
    {"Label4", {74}, "20"},
    {"Label4", {75}, "30"},
    {"Label4", {76}, "27->17"},
    {"Label4", {77}, "27->7"},
    {"Label4", {78}, "Low"},
    {"Label4", {79}, "High"},
    {"Label4", {80, 83}, "Cw"},
    {"Label4", {81}, "End"},
    {"Label4", {82}, "MxNhit"},
    {"Label4", {84, 86}, "5,15,25"},
    {"Label4", {85}, "Bb"},
};

// Captions the player reads beside the boxes; nothing writes them.
const char* const kCaptions[] = {
    "NApp1", "NApp2", "NApp3", "NApp4", "Mx", "Cwin", "MinCw", "Bbet", "Mlt", "Cyc", "InS", "InE",
    "12,35,3,26,0,32,15,19,4", "28,7,29,18,22,9,31,14,20", "1,33,16,24,5,10,23,8,30",
    "11,36,13,27,6,34,17,25,2,21", "TotalCwin", "SpinToTot", "Cwin21st2", "Bbet2", "Avg Mx", "PreQ", "28Fass",
    "Lspin", "Skip", "Seq", "Fass", "ElimNBRS", "InitBankrol", "MINbet", "Maxbet", "Fnon", "Fnbrs", "Cw 22nd",
    "MinCw1", "Bbet1", "Cw1", "Cw23", "Mincw", "bb23", "Maxbb", "IG Ratio", "Cw 24", "Min Cw", "Numbers to bet"};

bool hasCaption(const Frm6fast& f, const std::string& text) {
    for (const Control* c : f.controls())
        if (c->kind() == Kind::Label && c->caption() == text && c->visible()) return true;
    return false;
}

bool overlap(const forms::Geometry& a, const forms::Geometry& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

}  // namespace

TEST(FastPanel, EveryNamedControlHasItsDesignText) {
    Frm6fast f;
    for (const Named& n : kNamed)
        for (int i : n.indexes) {
            const Control* c = f.control(n.name, i);
            ASSERT_NE(c, nullptr) << n.name << "(" << i << ")";
            EXPECT_EQ(c->text(), n.design) << n.name << "(" << i << ")";
            EXPECT_TRUE(c->visible()) << n.name << "(" << i << ")";
        }
}

TEST(FastPanel, CaptionsBesideTheBoxes) {
    Frm6fast f;
    EXPECT_EQ(f.caption(), "21st NICHE, Fibonacci and FAST");
    for (const char* t : kCaptions) EXPECT_TRUE(hasCaption(f, t)) << t;
}

TEST(FastPanel, SwitchesColoursAndToolTips) {
    Frm6fast f;
    EXPECT_EQ(f.Check1.value(), 0);
    EXPECT_EQ(f.Check1.backColor(), 0xC000u);
    EXPECT_NE(f.Check1.style(), 0);  // graphical
    for (int i : {0, 1}) EXPECT_EQ(f.Label5[i].toolTip(), "0-prog50cost90,1-prog70cost190,2-pr22cost30");
    EXPECT_EQ(f.Text4[97].toolTip(), "TotalCwin");
    EXPECT_EQ(f.Label2[16].toolTip(), "1,2,3,5,8,13,21,34");
    EXPECT_EQ(f.Command4.toolTip(), "Save numbers from 25thnbrs.txt");
    EXPECT_EQ(f.Command5.toolTip(), "Read numbers from 25thnbrs.txt");
    // Idle states as the systems paint them back: white for idle instances, yellow for short groups.
    for (int i : {29, 33, 53, 56, 58, 59, 62, 63, 78, 79, 84}) EXPECT_EQ(f.Label4[i].foreColor(), 0xFFFFFFu) << i;
    for (int i = 66; i <= 75; ++i) EXPECT_EQ(f.Label4[i].foreColor(), 0xFFFFu) << i;
}

TEST(FastPanel, PlayerTypesOnlyIntoLimitsSeedsAndBankroll) {
    Frm6fast f;
    const std::vector<std::pair<const char*, std::vector<int>>> typed = {
        {"Text1", {1, 3, 4}}, {"Text2", {3, 4}}, {"Text4", {34, 35, 36, 37, 38, 39, 40, 41, 72, 73, 77, 78}}};
    auto isTyped = [&](const Control& c) {
        for (auto& [name, idx] : typed)
            if (c.name() == name && std::find(idx.begin(), idx.end(), c.index()) != idx.end()) return true;
        return false;
    };
    for (const Control* c : f.controls()) {
        if (c->kind() != Kind::TextBox) continue;
        EXPECT_EQ(c->locked(), !isTyped(*c)) << c->name() << "(" << c->index() << ")";
    }
}

TEST(FastPanel, LaidOutInsideTheWindowWithoutOverlaps) {
    Frm6fast f;
    const auto& w = f.geometry();
    EXPECT_LE(w.width, 1900);
    EXPECT_LE(w.height, 1000);
    const auto& all = f.controls();
    for (size_t a = 0; a < all.size(); ++a) {
        const auto& g = all[a]->geometry();
        ASSERT_GT(g.width, 0) << all[a]->name() << "(" << all[a]->index() << ") is not placed";
        EXPECT_TRUE(g.left >= 0 && g.top >= 0 && g.left + g.width <= w.width && g.top + g.height <= w.height)
            << all[a]->name() << "(" << all[a]->index() << ")";
        for (size_t b = a + 1; b < all.size(); ++b)
            EXPECT_FALSE(overlap(g, all[b]->geometry()))
                << all[a]->name() << "(" << all[a]->index() << ") and " << all[b]->name() << "(" << all[b]->index()
                << ")";
    }
}

TEST(FastPanel, LoadsHiddenThroughTheSession) {
    Session s;
    Frm6fast& f = s.frm6fast();
    EXPECT_TRUE(f.loaded());
    EXPECT_FALSE(f.visible());
    EXPECT_EQ(&s.form("frm6fast"), &f);
}
