#include "panels/frm6fast.h"

#include <initializer_list>
#include <span>
#include <string>

#include "fast/numbers_file.h"
#include "fast/panel.h"
#include "forms/convert.h"
#include "forms/layout.h"
#include "shell/session.h"

using forms::Color;
using forms::Control;
using forms::ControlArray;
using forms::Geometry;
using forms::Grid;
namespace colors = forms::colors;

namespace {

// A dark panel: the spin passes show states by white, yellow, green and red texts on it, and by
// black, green and red backs of its boxes and labels.
constexpr Color PanelBack = colors::Black;
constexpr Color BoxBack = 0x404040;
constexpr Color CaptionFore = colors::White;
constexpr Color CwinBack = 0x8000000E;  // the colour the 12th FAST puts back below its target
constexpr const char* TwinsProgressionTip = "0-prog50cost90,1-prog70cost190,2-pr22cost30";

// Design texts, by runs of indexes. Text4(100) belongs to no system and does not exist.
struct Run {
    int first, last;
    const char* text;
};
constexpr Run Text1Design[] = {{1, 1, "1000"}, {2, 2, "1"}, {3, 3, "13"}, {4, 4, "0"}};
constexpr Run Text2Design[] = {{0, 0, "0"}, {1, 3, ""}, {4, 4, "0"}, {5, 5, ""}};
constexpr Run Text3Design[] = {{0, 4, "0"}};
constexpr Run Text4Design[] = {{0, 63, "0"},   {64, 64, ""},   {65, 71, "0"},    {72, 73, "-1"}, {74, 76, "0"},
                               {77, 78, "-1"}, {79, 82, "0"},  {83, 96, "-1"},   {97, 97, "0"},  {98, 99, "-1"},
                               {101, 104, "-1"}, {105, 105, "0"}, {106, 107, "-1"}};

// Boxes the player types into; every other box is the system's to write.
constexpr int Text1Typed[] = {1, 3, 4};
constexpr int Text2Typed[] = {3, 4};
constexpr int Text4Typed[] = {34, 35, 36, 37, 38, 39, 40, 41, 72, 73, 77, 78};

void makeBoxes(ControlArray& a, std::span<const Run> runs, std::span<const int> typed, Color fore, Color back) {
    for (const Run& r : runs)
        for (int i = r.first; i <= r.last; ++i) {
            Control& c = a.add(i).design(r.text).designColors(fore, back);
            c.setAlignment(2);
            c.setLocked(true);
        }
    for (int i : typed) a[i].setLocked(false);
}

Control& caption(Frm6fast& f, const Geometry& g, std::string text) {
    Control& c = f.lblCaption.add(f.lblCaption.ubound() + 1);
    return forms::place(c, g).design(std::move(text)).designColors(CaptionFore, PanelBack);
}

Control& label(Control& c, const Geometry& g, std::string text, Color fore = CaptionFore) {
    return forms::place(c, g).design(std::move(text)).designColors(fore, PanelBack);
}

Control& title(Control& c, const Geometry& g, std::string text) {
    label(c, g, std::move(text)).setFont(9, true);
    return c;
}

// A column of the board: its head (a Label4 when the system colours it, else a plain caption) in one
// grid row and its box in the row below.
struct Head {
    const char* text;
    int box;
    int label = -1;  // Label4 index, -1 for a plain caption
    int span = 1;
};

void headedBoxes(Frm6fast& f, ControlArray& boxes, const Grid& g, int col, int row, std::initializer_list<Head> heads,
                 Color headFore = CaptionFore) {
    for (const Head& h : heads) {
        Geometry top = g.cell(col, row, h.span);
        if (h.label >= 0)
            label(f.Label4.add(h.label), top, h.text, headFore).setAlignment(2);
        else if (*h.text)
            caption(f, top, h.text).setAlignment(2);
        forms::place(boxes[h.box], g.cell(col, row + 1, h.span));
        col += h.span;
    }
}

// 21st NICHE: one row per wheel sector, its numbers listed under it.
void layoutNiche(Frm6fast& f, const Grid& g) {
    title(f.Label4.add(16), g.cell(0, -1, 3), "21st NICHE");
    forms::place(f.Command1, g.cell(8, -1, 2)).design("Cls21");

    constexpr const char* heads[] = {"Mx", "Cwin", "MinCw", "Bbet", "Mlt", "Cyc", "InS", "InE"};
    for (int k = 0; k < 8; ++k) caption(f, g.cell(2 + k, 0), heads[k]).setAlignment(2);

    // NApp, Mx, Cwin, MinCw, Bbet, Mlt, Cyc, InS, InE
    constexpr int rows[4][9] = {{0, 6, 1, 5, 3, 13, 14, 34, 35},
                                {7, 10, 15, 18, 21, 24, 27, 36, 37},
                                {8, 11, 16, 19, 22, 25, 28, 38, 39},
                                {9, 12, 17, 20, 23, 26, 29, 40, 41}};
    constexpr const char* sectors[] = {"12,35,3,26,0,32,15,19,4", "28,7,29,18,22,9,31,14,20",
                                       "1,33,16,24,5,10,23,8,30", "11,36,13,27,6,34,17,25,2,21"};
    for (int r = 0; r < 4; ++r) {
        int y = 1 + 2 * r;
        caption(f, g.cell(0, y), "NApp" + forms::numText(r + 1));
        for (int k = 0; k < 9; ++k) forms::place(f.Text4[rows[r][k]], g.cell(1 + k, y));
        caption(f, g.cell(1, y + 1, 9), sectors[r]);
    }
    headedBoxes(f, f.Text4, g, 1, 9,
                {{"TotalCwin", 30}, {"SpinToTot", 31}, {"Avg Mx", 32}, {"Cwin21st2", 2}, {"Bbet2", 4}});
}

// 12th FAST (switch, verdict, 28Fass boxes, bankroll) and the 13th Fibonacci numbers.
void layoutFast(Frm6fast& f, const Grid& g) {
    caption(f, g.cell(0, -1, 3), "12th FAST").setFont(9, true);
    forms::place(f.Check1, g.cell(0, 0, 2)).design("Start Game").designValue(0).designColors(colors::ButtonText, 0xC000);
    f.Check1.setStyle(1);  // graphical: drawn as a push button
    caption(f, g.cell(2, 0), "PreQ").setAlignment(1);
    label(f.Label1, g.cell(3, 0, 2), "").setAlignment(2);
    caption(f, g.cell(5, 0), "28Fass").setAlignment(1);
    label(f.Label3, g.cell(6, 0), "0").setAlignment(2);

    headedBoxes(f, f.Text2, g, 0, 1,
                {{"Lspin", 5}, {"Skip", 0}, {"Seq", 1}, {"Fass", 2, -1, 2}, {"ElimNBRS", 3, -1, 2}, {"Bbet", 4}});
    headedBoxes(f, f.Text1, g, 0, 3, {{"InitBankrol", 1}, {"MINbet", 2}, {"Maxbet", 3}, {"Cwin", 4}});

    // Its back turns green while the eight numbers are bet, black after a win.
    title(f.Label2.add(16), g.cell(0, 5, 3), "13th Fibonacci nbrs").setToolTip("1,2,3,5,8,13,21,34");
    headedBoxes(f, f.Text3, g, 0, 6, {{"Bbet", 0}, {"Cwin", 1}, {"Fnon", 2}, {"Fnbrs", 3}, {"", 4}});
}

// 22nd, 23rd Neuron net, 24th Inverse gold ratio and 25th Twins, one under the other.
void layoutMiddle(Frm6fast& f, const Grid& g) {
    // 22nd: the instance's label turns green while it bets, white when idle.
    caption(f, g.cell(0, 0), "22nd").setFont(9, true);
    headedBoxes(f, f.Text4, g, 1, 0, {{"Cw 22nd", 33}, {"MinCw", 42}, {"Bbet", 43}});
    label(f.Label4.add(29), g.cell(0, 1), "11,22,33");
    headedBoxes(f, f.Text4, g, 1, 2, {{"Cw1", 44}, {"MinCw1", 45}, {"Bbet1", 46}});
    label(f.Label4.add(33), g.cell(0, 3), "10,20,30");

    title(f.Label4.add(44), g.cell(0, 4, 4), "23rd Neuron net");
    constexpr const char* pairs[] = {"3311", "3322", "3333", "1111", "2222", "2211"};
    for (int k = 0; k < 6; ++k) {
        label(f.Label4.add(34 + k), g.cell(k, 5), pairs[k]).setAlignment(2);
        forms::place(f.Text4[47 + k], g.cell(k, 6));
        forms::place(f.Text4[53 + k], g.cell(k, 7));
    }
    headedBoxes(f, f.Text4, g, 0, 8, {{"Cw23", 60}, {"Mincw", 59}, {"bb23", 61}, {"Maxbb", 62}});

    title(f.Label4.add(51), g.cell(0, 10, 6), "24th Inverse gold ratio - trend system");
    headedBoxes(f, f.Text4, g, 0, 11, {{"IG Ratio", 65}, {"Cw 24", 66}, {"Min Cw", 67}, {"", 68}, {"Bbet", 69}});
    caption(f, g.cell(0, 13, 2), "Numbers to bet");
    forms::place(f.Text4[64], g.cell(2, 13, 7)).setAlignment(0);
    forms::place(f.Text4[63], g.cell(0, 14, 9)).setAlignment(0);
    forms::place(f.Text4[70], g.cell(0, 15, 9)).setAlignment(0);

    title(f.Label4.add(52), g.cell(0, 16, 2), "25th Twins");
    forms::place(f.Command2, g.cell(3, 16)).design("Cls25");
    forms::place(f.Command3, g.cell(4, 16)).design("Gns");
    forms::place(f.Command4, g.cell(5, 16)).design("S").setToolTip(fast::SaveToolTip);
    forms::place(f.Command5, g.cell(6, 16)).design("R").setToolTip("Read numbers from 25thnbrs.txt");
    headedBoxes(f, f.Text4, g, 0, 17,
                {{"Seed", 72, 53}, {"Twin", 73, 54}, {"Cwin25", 71, 55}, {"Bb", 74, 56}, {"End", 76, 58},
                 {"MinCw", 75, 57}});
    headedBoxes(f, f.Text4, g, 0, 19,
                {{"Seed2", 77, 59}, {"Twin2", 78, 60}, {"Cwin2", 79, 61}, {"Bb", 80, 62}, {"End", 81, 63},
                 {"MinCw2", 82, 64}});
    for (int k : {1, 0}) {
        Control& sel = forms::place(f.Label5.add(k), g.cell(6, k == 1 ? 18 : 20)).design("2");
        sel.designColors(colors::Black, colors::White);
        sel.setFont(9, true);
        sel.setAlignment(2);
        sel.setBorderStyle(1);
        sel.setToolTip(TwinsProgressionTip);
    }
    caption(f, g.cell(0, 21), "TotalCwin");
    forms::place(f.Text4[97], g.cell(1, 21)).setToolTip("TotalCwin");
    forms::place(f.Text4[107], g.cell(2, 21));
    forms::place(f.Text4[106], g.cell(3, 21));
}

// The two right-hand columns: the 12th Fast groups, waits from 27, three-number and Low/High bets.
void layoutRight(Frm6fast& f, const Grid& g) {
    caption(f, g.cell(0, -1, 4), "12th Fast panel").setFont(9, true);
    constexpr const char* groups[] = {"5", "15", "25", "35", "11", "22", "33", "10", "20", "30"};
    for (int k = 0; k < 10; ++k) {
        label(f.Label4.add(66 + k), g.cell(0, k), groups[k], colors::Yellow).setAlignment(1);
        forms::place(f.Text4[83 + k], g.cell(1, k));
    }
    label(f.Label4.add(76), g.cell(0, 10), "27->17");
    forms::place(f.Text4[93], g.cell(1, 10));
    forms::place(f.Text4[95], g.cell(2, 10));
    label(f.Label4.add(77), g.cell(0, 11), "27->7");
    forms::place(f.Text4[94], g.cell(1, 11));
    forms::place(f.Text4[96], g.cell(2, 11));

    label(f.Label4.add(86), g.cell(4, 0, 2), "5,15,25");
    label(f.Label4.add(84), g.cell(4, 1, 2), "5,15,25");
    constexpr Head beside[] = {{"Bb", 105, 85}, {"End", 99, 81}};
    for (int k = 0; k < 2; ++k) {
        label(f.Label4.add(beside[k].label), g.cell(4, 2 + k), beside[k].text).setAlignment(1);
        forms::place(f.Text4[beside[k].box], g.cell(5, 2 + k));
    }
    headedBoxes(f, f.Text4, g, 4, 4, {{"Cw", 101, 83}, {"MxNhit", 98, 82}});

    constexpr Head lowHigh[] = {{"Low", 102, 78}, {"High", 103, 79}, {"Cw", 104, 80}};
    for (int k = 0; k < 3; ++k) {
        label(f.Label4.add(lowHigh[k].label), g.cell(4, 7 + k), lowHigh[k].text).setAlignment(1);
        forms::place(f.Text4[lowHigh[k].box], g.cell(5, 7 + k));
    }
}

}  // namespace

Frm6fast::Frm6fast() : forms::Form("frm6fast") {
    setCaption("21st NICHE, Fibonacci and FAST");
    setBackColor(PanelBack);

    makeBoxes(Text1, Text1Design, Text1Typed, colors::WindowText, colors::Window);
    Text1[4].designColors(colors::WindowText, CwinBack);
    makeBoxes(Text2, Text2Design, Text2Typed, colors::WindowText, colors::Window);
    makeBoxes(Text3, Text3Design, {}, colors::WindowText, colors::Window);
    makeBoxes(Text4, Text4Design, Text4Typed, colors::White, BoxBack);

    const Grid niche{10, 34, 58, 20, 4, 4};
    layoutNiche(*this, niche);
    const Grid fast{10, niche.bottom(12) + 12, 70, 20, 4, 4};
    layoutFast(*this, fast);
    const Grid middle{660, 10, 62, 20, 4, 4};
    layoutMiddle(*this, middle);
    const Grid right{1270, 34, 52, 20, 4, 4};  // a row down, under its heading
    layoutRight(*this, right);

    setGeometry({60, 60, right.right(6) + 10, middle.bottom(22) + 10});
}

void attachFrm6fast(Session& s, Frm6fast& f) { fast::attachFastActions(s, f); }
