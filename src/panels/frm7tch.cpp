#include "panels/frm7tch.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <utility>

#include "forms/layout.h"
#include "panels/panel_boxes.h"
#include "panels/frm7tch_actions.h"
#include "shell/session.h"

using forms::Geometry;
using forms::Kind;
using namespace tchbox;

namespace {

// A dark window: the rows tell their state by the colour of their captions (green bet, white idle).
constexpr forms::Color Back = 0x202020;
constexpr forms::Color HeadText = 0xC0C0C0;
constexpr forms::Color TitleText = 0x00FFFF;
constexpr forms::Color HighlightText = 0x8000000E;  // the row captions' design colour
constexpr forms::Color MenuText = 0x80000007;
constexpr forms::Color WindowColor = 0x80000005;

constexpr int CaptionWidth = 110;
constexpr int CellWidth = 46;
constexpr int RowHeight = 20;
constexpr int Gap = 2;
constexpr int Step = RowHeight + Gap;

// One block of the window: a title line, a line of column heads, then rows of cells with their
// caption at the left. Rows and heads may also be placed at any line of the block.
struct Block {
    int left, top, cellWidth = CellWidth;

    forms::Grid grid() const { return {left + CaptionWidth + 4, top + 2 * Step, cellWidth, RowHeight, Gap, Gap}; }
    Geometry cell(int col, int row, int span = 1) const { return grid().cell(col, row, span); }
    // A label on a line of boxes, as tall as the boxes: labels centre their text.
    Geometry caption(int row, int offset = 0, int width = CaptionWidth) const {
        return {left + offset, grid().cell(0, row).top, width, RowHeight};
    }
    // A box in the caption column.
    Geometry side(int row, int offset, int width) const { return {left + offset, grid().cell(0, row).top, width, RowHeight}; }
    Geometry inLine(int col, int row, int span = 1) const {
        return cell(col, row, span);
    }
    Geometry title(int width = 360) const { return {left, top, width, RowHeight}; }
    int bottom(int rows) const { return grid().bottom(rows); }
};

class Builder {
public:
    explicit Builder(Frm7tch& f) : f_(f) {}

    // A box the system writes: read-only to the player.
    forms::Control& shown(int i, const Geometry& g, const char* design = "0") {
        return panels::shownBox(f_.Text1, i, g, design);
    }
    // A box the player types into (limits, the "GO" pair, the "Re" figures).
    forms::Control& typed(int i, const Geometry& g, const char* design) {
        return panels::typedBox(f_.Text1, i, g, design);
    }
    // Boxes the system writes along a row of the block from column `col` on; -1 leaves a cell empty.
    void cells(const Block& b, int row, int col, std::initializer_list<int> boxes) {
        for (int i : boxes) {
            if (i >= 0) shown(i, b.cell(col, row));
            ++col;
        }
    }
    forms::Control& box(int i) { return f_.Text1[i]; }
    forms::Control& label(int i, const Geometry& g, const char* design, forms::Color fore = HighlightText) {
        return forms::place(f_.Label1.add(i), g).design(design).designColors(fore, Back);
    }
    forms::Control& text(const Geometry& g, const std::string& t, forms::Color fore = HeadText, int align = 0) {
        auto& c = forms::place(f_.lblCaption.add(next_++), g).design(t).designColors(fore, Back);
        c.setAlignment(align);
        return c;
    }
    void title(const Block& b, const char* t) { text(b.title(), t, TitleText).setFont(9, true); }
    void heads(const Block& b, int row, std::initializer_list<std::pair<int, const char*>> cols) {
        for (auto& [col, t] : cols) text(b.cell(col, row), t, HeadText, 2);
    }

private:
    Frm7tch& f_;
    int next_ = 0;
};

// Finals and doubles: Cwin, CwMin, Sleep, Bb, BbMx, CntW, CntL, Rounds, Limit.
int buildStandardRows(Builder& b, const Block& blk, Frm7tch& f) {
    b.title(blk, "Finals and doubles");
    const char* heads[] = {"Cwin", "CwMin", "Bb", "BbMx", "CntW", "CntL", "Rounds"};
    const int headCols[] = {0, 1, 3, 4, 5, 6, 7};
    for (int i = 0; i < 7; ++i) b.label(i, blk.cell(headCols[i], -1), heads[i], HeadText).setAlignment(2);
    b.heads(blk, -1, {{2, "Sleep"}, {8, "Limit"}});
    // The common limit stands above the limit column it is spread over.
    forms::place(f.Command1, blk.cell(7, -2)).design("Cls");
    b.typed(CommonLimit, blk.cell(8, -2), "23");

    int row = 0;
    for (const auto& r : StandardRows) {
        b.label(r.label, blk.caption(row), r.caption);
        b.cells(blk, row, 0, {r.cwin, r.cwMin, r.sleep, r.bb, r.bbMx, r.cntW, r.cntL, r.rounds});
        b.box(r.bb).design("1");
        if (r.highlight) b.box(r.sleep).designColors(WindowColor, MenuText);
        b.typed(r.limit, blk.cell(8, row), "70");
        ++row;
    }
    return blk.bottom(row);
}

// Wheel sectors: the caption names the group bet; the three limits are shared.
int buildSectorRows(Builder& b, const Block& blk) {
    b.title(blk, "Wheel sectors");
    b.heads(blk, -1, {{0, "Cwin"}, {1, "CwMin"}, {2, "Sleep"}, {3, "Bb"}, {4, "BbMx"}, {7, "Rounds"}});
    int row = 0;
    for (const auto& r : SectorRows) {
        b.text(blk.caption(row, 0, 16), std::to_string(row + 1));
        b.label(r.label, blk.caption(row, 18, CaptionWidth - 18), "").setAlignment(2);
        b.cells(blk, row, 0, {r.cwin, r.cwMin, r.sleep, r.bb, r.bbMx, -1, -1, r.rounds});
        b.box(r.bb).design("1");
        ++row;
    }
    b.text(blk.caption(row), "Limits");
    b.text(blk.inLine(0, row), "Sleep", HeadText, 1);
    b.typed(SectorSleepLimit, blk.cell(1, row), "75");
    b.text(blk.inLine(2, row), "Ladder", HeadText, 1);
    b.typed(SectorLadderLimit, blk.cell(3, row), "99");
    b.text(blk.inLine(4, row), "Widen", HeadText, 1);
    b.typed(SectorWidenStep, blk.cell(5, row), "99");
    return blk.bottom(row + 1);
}

// Derived numbers: Cwin, CwMin, bets left, Bb, BbMx, CntW, CntL, losses, Limit.
int buildDerivedRows(Builder& b, const Block& blk) {
    b.title(blk, "Derived numbers");
    b.heads(blk, -1, {{0, "Cwin"}, {1, "CwMin"}, {2, "Left"}, {3, "Bb"}, {4, "BbMx"}, {5, "CntW"}, {6, "CntL"},
                      {7, "Lost"}, {8, "Limit"}});
    int row = 0;
    for (const auto& r : DerivedRows) {
        b.label(r.label, blk.caption(row), "-");
        b.cells(blk, row, 0, {r.cwin, r.cwMin, r.betsLeft, r.bb, r.bbMx, r.cntW, r.cntL, r.extra});
        b.box(r.bb).design("1");
        b.typed(r.limit, blk.cell(8, row), r.limitDesign);
        ++row;
    }
    return blk.bottom(row);
}

// Alternation rows, then the switch row that only counts while it is on.
int buildAlternationRows(Builder& b, const Block& blk) {
    b.title(blk, "Alternation rows");
    b.heads(blk, -1, {{0, "Cwin"}, {1, "CwMin"}, {2, "Lost"}, {3, "Bb"}, {4, "BbMx"}, {5, "CntW"}, {6, "CntL"},
                      {8, "Limit"}});
    int row = 0;
    for (const auto& r : AlternationRows) {
        if (r.label == 15) {  // "GO" carries its pair of numbers beside its caption
            b.label(r.label, blk.caption(row, 0, 30), r.caption).setToolTip(r.toolTip);
            b.typed(GoPairFirst, blk.side(row, 34, 36), "8");
            b.typed(GoPairSecond, blk.side(row, 74, 36), "28");
        } else {
            b.label(r.label, blk.caption(row), r.caption).setToolTip(r.toolTip);
        }
        b.cells(blk, row, 0, {r.cwin, r.cwMin, r.lossRun, r.bb, r.bbMx, r.cntW, r.cntL});
        b.box(r.bb).design("1");
        b.typed(r.limit, blk.cell(8, row), r.limitDesign);
        ++row;
    }
    auto& sw = b.label(SwitchLabel, blk.caption(row), "-", 0xFFFFFF).designColors(0xFFFFFF, 0x404040);
    sw.setBorderStyle(1);
    sw.setAlignment(2);
    b.text(blk.inLine(0, row), "Stake", HeadText, 1);
    b.shown(SwitchStake, blk.cell(1, row), "1");
    b.text(blk.inLine(2, row), "Left", HeadText, 1);
    b.shown(SwitchLeft, blk.cell(3, row));
    b.text(blk.inLine(4, row), "Length", HeadText, 1);
    b.typed(SwitchLength, blk.cell(5, row), "30");
    return blk.bottom(row + 1);
}

int buildGapRows(Builder& b, const Block& blk) {
    b.title(blk, "Gap rows N-X-N");
    b.text(blk.inLine(7, -2), "Limit", HeadText, 1);
    b.typed(GapRowLimit, blk.cell(8, -2), "25");
    b.heads(blk, -1, {{0, "Cwin"}, {1, "CwMin"}, {2, "Count"}, {3, "Bb"}, {4, "BbMx"}, {5, "CntMx"}});
    int row = 0;
    for (const auto& r : GapRows) {
        b.label(r.label, blk.caption(row), r.caption);
        b.cells(blk, row, 0, {r.cwin, r.cwMin, r.count, r.bb, r.bbMx, r.countMax});
        b.box(r.bb).design("1");
        ++row;
    }
    return blk.bottom(row);
}

// Twelve streets side by side: caption, gap, longest gap.
int buildStreetGaps(Builder& b, const Block& blk) {
    b.title(blk, "Street gaps");
    b.text(blk.inLine(10, -2), "Ncnt", HeadText, 1);
    b.typed(StreetGapLimit, blk.cell(11, -2), "8");
    static constexpr std::pair<int, const char*> captions[12] = {
        {28, "1-3"},   {29, "4-6"},   {19, "7-9"},   {30, "10-12"}, {31, "13-15"}, {32, "16-18"},
        {33, "19-21"}, {34, "22-24"}, {35, "25-27"}, {36, "28-30"}, {37, "31-33"}, {38, "34-36"}};
    b.text(blk.caption(0), "Gap");
    b.text(blk.caption(1), "Max");
    for (int s = 0; s < 12; ++s) {
        b.label(captions[s].first, blk.cell(s, -1), captions[s].second, HeadText).setAlignment(2);
        b.shown(StreetGapFirst + s, blk.cell(s, 0));
        b.shown(StreetGapMaxFirst + s, blk.cell(s, 1));
    }
    return blk.bottom(2);
}

int buildColumnSystems(Builder& b, const Block& blk) {
    b.title(blk, "Column systems");
    b.heads(blk, -1, {{0, "Cwin"}, {1, "Sess"}, {2, "Bb"}, {3, "Step"}, {4, "StepMx"}, {5, "Changes"}});
    b.text(blk.caption(0, 0, 72), "Column 1");
    b.label(22, blk.caption(0, 74, 36), "-").setToolTip("32 a 23 alternatively");
    b.cells(blk, 0, 0, {112, 113, 114, 115, 116, 117});
    b.box(114).design("1");

    b.heads(blk, 1, {{0, "Cwin"}, {1, "CwMin"}, {2, "Bb"}, {3, "BbMx"}});
    b.text(blk.caption(2, 0, 72), "Column 2");
    b.label(27, blk.caption(2, 74, 36), "-").setToolTip("32 a 23 alternatively");
    b.cells(blk, 2, 0, {146, 148, 147, 149});

    b.heads(blk, 3, {{0, "Cwin"}, {1, "CwMin"}, {2, "Bb"}, {3, "Count"}, {4, "Staked"}, {5, "Limit"}});
    b.text(blk.caption(4), "Unseen numbers");
    b.cells(blk, 4, 0, {195, 196, 197, 198, 199});
    b.typed(200, blk.cell(5, 4), "40");
    return blk.bottom(5);
}

int buildNumberLists(Builder& b, const Block& blk, Frm7tch& f) {
    b.title(blk, "Partners and number lists");
    b.heads(blk, -1, {{0, "Cwin"}, {1, "CwMin"}, {2, "Bb"}, {3, "BbMx"}, {4, "Count"}, {5, "CntMx"}, {6, "Prog"}});
    b.label(44, blk.caption(0), "-");
    b.cells(blk, 0, 0, {223, 224, 225, 226, 227, 228});
    b.typed(229, blk.cell(6, 0), "20");
    b.text(blk.caption(1), "Partners");
    b.label(43, blk.inLine(0, 1, 4), "-");

    b.heads(blk, 2, {{3, "Cwin"}, {4, "CwMin"}, {5, "Bb"}, {6, "BbMx"}, {7, "Non"}, {8, "MaxNon"}, {9, "Wins"},
                     {10, "Losses"}});
    // List A: the spins it was drawn from, its numbers, its figures.
    b.label(53, blk.caption(3), "-");
    b.label(54, blk.inLine(0, 3, 3), "ttt");
    b.cells(blk, 3, 3, {272, 273, 274, 275, -1, 276});
    // List B is bet; list C only suggests a stake while "Go" is ticked.
    b.text(blk.caption(4), "Fibo * and +");
    b.label(55, blk.inLine(0, 4, 3), "ttt");
    b.cells(blk, 4, 3, {281, 282, 283, 284, 278, -1, 279, 280});
    b.text(blk.caption(5), "Fibo * ");
    b.label(56, blk.inLine(0, 5, 3), "ttt");
    b.cells(blk, 5, 5, {277});

    forms::place(f.Check1, blk.cell(0, 6)).design("Go").setStyle(1);
    forms::place(f.Command2, blk.cell(1, 6)).design("Re");
    b.text(blk.inLine(2, 6), "Mult", HeadText, 1);
    b.typed(ReMultiplier, blk.cell(3, 6), "9");
    b.text(blk.inLine(4, 6), "Add", HeadText, 1);
    b.typed(ReAddend, blk.cell(5, 6), "0");
    return blk.bottom(7);
}

int buildStringLengths(Builder& b, const Block& blk) {
    b.title(blk, "Column string lengths");
    b.text(blk.caption(0), "Spins");
    for (int k = 1; k <= 13; ++k) {
        b.text(blk.cell(k - 1, -1), k == 13 ? "13+" : std::to_string(k), HeadText, 2);
        b.shown(149 + k, blk.cell(k - 1, 0));
    }
    return blk.bottom(1);
}

}  // namespace

Frm7tch::Frm7tch() : forms::Form("frm7tch") {
    setCaption("TCh");
    setBackColor(Back);
    Builder b(*this);

    constexpr int LeftX = 8;
    constexpr int RightX = LeftX + CaptionWidth + 4 + 9 * (CellWidth + Gap) + 24;
    constexpr int Spacing = 10;

    int left = buildStandardRows(b, {LeftX, 8}, *this);
    left = buildSectorRows(b, {LeftX, left + Spacing});
    int right = buildDerivedRows(b, {RightX, 8});
    right = buildAlternationRows(b, {RightX, right + Spacing});
    right = buildGapRows(b, {RightX, right + Spacing});
    right = buildStreetGaps(b, {RightX, right + Spacing, 38});

    int lower = std::max(left, right) + Spacing;
    left = buildColumnSystems(b, {LeftX, lower});
    right = buildNumberLists(b, {RightX, lower}, *this);
    int bottom = buildStringLengths(b, {LeftX, std::max(left, right) + Spacing});

    setGeometry({80, 40, RightX + CaptionWidth + 4 + 11 * (CellWidth + Gap) + 12, bottom + 12});
}

void attachFrm7tch(Session& s, Frm7tch& f) {
    namespace act = panels::tch;
    f.Command1.onClick = [&s] { act::Command1_Click(s); };
    f.Command2.onClick = [&s] { act::Command2_Click(s); };
    f.Check1.onClick = [&s] { act::Check1_Click(s); };
    f.Label1.forEach([&s](forms::Control& c) {
        int i = c.index();
        c.onClick = [&s, i] { act::Label1_Click(s, i); };
    });
    f.Text1.forEach([&s](forms::Control& c) {
        int i = c.index();
        c.onClick = [&s, i] { act::Text1_Click(s, i); };
    });
}
