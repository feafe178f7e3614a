#include "panels/frm8edge.h"

#include <string>
#include <vector>

#include "forms/convert.h"
#include "forms/layout.h"
#include "panels/panel_boxes.h"
#include "panels/frm8edge_actions.h"
#include "routines/wheel.h"
#include "shell/session.h"

using forms::Geometry;
using namespace edgebox;

namespace {

constexpr forms::Color Grey = 0xC0C0C0;
constexpr forms::Color MaxBack = 0xC0FFFF;
constexpr forms::Color LimitBack = 0xFFFF80;
constexpr forms::Color WindowColor = 0x80000005;
constexpr forms::Color WindowText = 0x80000008;
constexpr forms::Color TitleText = 0x800000;  // dark blue on the grey window

constexpr int CaptionWidth = 84;
constexpr int CellWidth = 40;
constexpr int LabelHeight = 15;
constexpr int BoxHeight = 20;
constexpr int Gap = 2;
// The gap board is 21 columns wide: groups on the left, each family's maximum and limit in the
// last two columns, so every "Mx" and "Edge" box stands in the same place.
constexpr int MaxCol = 19, LimitCol = 20;

// One line of the window: captions above rows of boxes, with the line's name at its left. In a
// captioned line every row of boxes has its own captions; otherwise only the first row has.
struct Line {
    int top, cellWidth = CellWidth;
    bool captioned = true;

    static constexpr int RowStep = LabelHeight + 1 + BoxHeight + Gap;
    forms::Grid boxes() const {
        return {CaptionWidth + 12, top + LabelHeight + 1, cellWidth, BoxHeight, Gap, captioned ? RowStep - BoxHeight : Gap};
    }
    Geometry box(int col, int row = 0, int span = 1) const { return boxes().cell(col, row, span); }
    Geometry label(int col, int row = 0, int span = 1) const {
        Geometry g = box(col, row, span);
        return {g.left, g.top - LabelHeight - 1, g.width, LabelHeight};
    }
    // A name on a line of boxes, as tall as the boxes: labels centre their text.
    Geometry name(int row = 0, int offset = 0, int width = CaptionWidth) const {
        return {8 + offset, box(0, row).top, width, BoxHeight};
    }
    Geometry side(int row, int offset, int width) const { return {8 + offset, box(0, row).top, width, BoxHeight}; }
    // The line's name on the captions' level, when every row of boxes has a caption of its own.
    Geometry heading() const { return {8, top, CaptionWidth + 4, LabelHeight}; }
    // Where the next line starts when this one has the given number of label-and-box rows.
    int next(int rows = 1) const { return boxes().bottom(rows) + 6; }
};

class Builder {
public:
    explicit Builder(Frm8edge& f) : f_(f) {}

    forms::Control& shown(int i, const Geometry& g, const char* design = "0") {
        return panels::shownBox(f_.Text1, i, g, design);
    }
    forms::Control& typed(int i, const Geometry& g, const char* design) {
        return panels::typedBox(f_.Text1, i, g, design);
    }
    forms::Control& caption(forms::ControlArray& a, int i, const Geometry& g, const std::string& t) {
        auto& c = forms::place(a.add(i), g).design(t).designColors(WindowText, Grey);
        c.setAlignment(2);
        return c;
    }
    forms::Control& text(const Geometry& g, const std::string& t, int align = 2) {
        auto& c = caption(f_.lblCaption, next_++, g, t);
        c.setAlignment(align);
        return c;
    }
    void name(const Line& l, const char* t, int row = 0) { text(l.name(row), t, 0).setFont(8, true); }

    // A family's maximum and limit boxes side by side from column `col` on.
    void maxAndLimit(const Line& l, const GapRun& run, int col, int row = 0) {
        text(l.label(col, row), run.maxCaption);
        shown(run.maxBox, l.box(col, row)).designColors(WindowText, MaxBack);
        text(l.label(col + 1, row), "Edge");
        typed(run.limitBox, l.box(col + 1, row), run.limitDesign).designColors(WindowText, LimitBack);
    }
    // A family whose count boxes follow its captions: each box under its caption from column `col`
    // on (the caption a named label when `named` is given), then the maximum and limit at `maxCol`.
    void family(const Line& l, const GapRun& run, const std::vector<std::string>& captions, int col, int maxCol,
                forms::ControlArray* named = nullptr, int namedFirst = 0) {
        for (int i = 0; i < static_cast<int>(captions.size()); ++i) {
            const std::string& t = captions[static_cast<size_t>(i)];
            if (named)
                caption(*named, namedFirst + i, l.label(col + i), t);
            else
                text(l.label(col + i), t);
            count(l, run, run.first + i, col + i);
        }
        maxAndLimit(l, run, maxCol);
    }
    // A count box of the family, in its design colour.
    forms::Control& count(const Line& l, const GapRun& run, int box, int col, int row = 0) {
        return shown(box, l.box(col, row)).designColors(WindowText, run.whiteCounts ? 0xFFFFFF : WindowColor);
    }

private:
    Frm8edge& f_;
    int next_ = 0;
};

// "1-6", "7-12", ...: n groups of `size` numbers from 1 on.
std::vector<std::string> ranges(int n, int size) {
    std::vector<std::string> out;
    for (int i = 0; i < n; ++i) out.push_back(std::to_string(size * i + 1) + "-" + std::to_string(size * i + size));
    return out;
}

// "0..30", "1..31", ...: the finals d of first..last, named by their lowest and highest number.
std::vector<std::string> finals(int first, int last) {
    std::vector<std::string> out;
    for (int d = first; d <= last; ++d) out.push_back(std::to_string(d) + ".." + std::to_string(d >= 7 ? 20 + d : 30 + d));
    return out;
}

int buildGapBoard(Builder& b, Frm8edge& f, int top) {
    const auto& [pairs, sixLines, streets, dozens, finalsLow, finalsHigh, singles] = GapRuns;

    Line l{top};
    b.name(l, "Pairs");
    std::vector<std::string> pairCaptions;
    for (const auto& p : routines::OppositePairs)
        pairCaptions.push_back(forms::numText(p[0]) + "," + forms::numText(p[1]));
    b.family(l, pairs, pairCaptions, 0, MaxCol, &f.Label4, 87);
    f.Label4.forEach([](forms::Control& c) { c.setToolTip("11,36,13,27,6,34,17,25,2,21"); });

    l = {l.next()};
    b.name(l, "Lines, finals");
    b.family(l, sixLines, ranges(6, 6), 0, 6, &f.Label1, 2);
    b.family(l, finalsLow, finals(0, 6), 12, MaxCol);

    l = {l.next()};
    b.name(l, "Streets, finals");
    b.family(l, streets, ranges(12, 3), 0, 12);
    b.family(l, finalsHigh, finals(7, 9), 16, MaxCol);

    // The progression switches share their line with the dozens, as on the first design.
    l = {l.next()};
    b.caption(f.Label1, 82, l.name(), "Progression").setAlignment(0);
    static constexpr struct {
        int head;
        const char* text;
    } progressionHeads[] = {{83, "1nb[100]"}, {85, "2nb[70]"}, {84, "3nb[45]"},
                            {86, "4nb[38]"},  {87, "6nb[25]"}, {88, "12nb[10]"}};
    const Line wide{l.top, 54};
    for (int k = 0; k < 6; ++k) {
        b.caption(f.Label1, progressionHeads[k].head, wide.label(k), progressionHeads[k].text);
        auto& sw = b.caption(f.Label2, k, wide.box(k), "0");
        sw.setBorderStyle(1);
        sw.setFont(9, true);
    }
    b.text(l.box(13, 0, 3), "Dozens", 1).setFont(8, true);
    b.family(l, dozens, ranges(3, 12), 16, MaxCol);

    // Single numbers rise from left to right over two rows; their boxes run the other way.
    l = {l.next()};
    b.name(l, "Numbers");
    for (int n = 0; n <= 36; ++n) {
        int row = n <= 17 ? 0 : 1, col = n <= 17 ? n : n - 18;
        b.text(l.label(col, row), std::to_string(n));
        b.count(l, singles, singleBox(n), col, row);
    }
    b.maxAndLimit(l, singles, MaxCol, 1);
    return l.next(2);
}

int buildMultiples(Builder& b, int top) {
    const Line l{top, 52};
    b.name(l, "Multiples");
    static const char* const heads[] = {"0,8..32", "3,6..15", "4,8..20", "5,10..25", "6,12..30", "7,14..35"};
    for (int g = 0; g < 6; ++g) {
        b.text(l.label(g), heads[g]);
        b.shown(MultiplesFirst + g, l.box(g)).designColors(WindowText, 0xFFFFFF);
    }
    b.text(l.label(6), "Mx5n");
    b.shown(MultiplesMax, l.box(6)).designColors(WindowText, MaxBack);
    b.text(l.label(7), "Horni");
    b.typed(Horni, l.box(7), "2");
    b.text(l.label(8), "Dolni");
    b.typed(Dolni, l.box(8), "1");
    b.text(l.label(9), "Pivot");
    b.shown(Pivot, l.box(9), "4");
    b.text(l.label(10, 0, 2), "Result");
    b.shown(Result1, l.box(10));
    b.shown(Result2, l.box(11));
    static const char* const pivotHeads[] = {"Succ", "Nsucc", "Line", "MxNs"};
    for (int i = 0; i < 4; ++i) {
        b.text(l.label(12 + i), pivotHeads[i]);
        b.shown(PivotSucc + i, l.box(12 + i));
    }
    // Two captions of the first design stood beyond the window's right edge and were never seen.
    b.text(l.label(16), "MaxNon").setVisible(false);
    b.text(l.label(17), "Freq 6-4").setVisible(false);
    return l.next();
}

int buildTriples(Builder& b, Frm8edge& f, int top) {
    const Line l{top, 46, false};
    b.text(l.heading(), "Seeded triples", 0).setFont(8, true);
    static const char* const heads[] = {"Cwin", "MinCw", "Bb", "BbMax", "Succ", "Nsucc", "Cycles", "Seed"};
    for (int c = 0; c < 8; ++c) b.text(l.label(c), heads[c]);
    b.text(l.label(8, 0, 3), "Numbers");
    int row = 0;
    for (const auto& t : Triples) {
        b.text(l.name(row, 0, 18), std::to_string(row + 1), 0);
        b.caption(f.Label1, t.label, l.name(row, 20, CaptionWidth - 20), t.labelDesign).setAlignment(0);
        const int shown[] = {t.cwin, t.minCw, t.bb, t.bbMax, t.succ, t.nsucc};
        for (int c = 0; c < 6; ++c) b.shown(shown[c], l.box(c, row));
        b.typed(t.cycles, l.box(6, row), t.cyclesDesign);
        b.typed(t.seed, l.box(7, row), t.seedDesign);
        ++row;
    }
    static const char* const numbers[] = {"22", "33", "11"};
    for (int i = 0; i < 3; ++i) b.typed(Triple4Numbers[static_cast<size_t>(i)], l.box(8 + i, 3), numbers[i]);
    return l.next(4);
}

int buildFollowers(Builder& b, int top) {
    const Line l{top};
    b.text(l.name(0, 0, 36), "Num", 0).setFont(8, true);
    b.typed(ChosenNumber, l.side(0, 38, CellWidth), "0");
    b.text(l.name(1), "followers", 0);
    for (int n = 0; n <= 36; ++n) {
        int row = n <= 18 ? 0 : 1, col = n <= 18 ? n : n - 19;
        b.text(l.label(col, row), std::to_string(n));
        b.shown(FollowerFirst + n, l.box(col, row));
    }
    return l.next(2);
}

}  // namespace

Frm8edge::Frm8edge() : forms::Form("frm8edge") {
    setCaption("The Edge");
    setBackColor(Grey);
    Builder b(*this);
    int y = buildGapBoard(b, *this, 6);
    y = buildMultiples(b, y + 4);
    y = buildTriples(b, *this, y + 4);
    y = buildFollowers(b, y + 4);
    setGeometry({120, 120, CaptionWidth + 12 + (LimitCol + 1) * (CellWidth + Gap) + 10, y + 4});
}

void attachFrm8edge(Session& s, Frm8edge& f) {
    f.Label2.forEach([&s](forms::Control& c) {
        int i = c.index();
        c.onClick = [&s, i] { panels::edge::Label2_Click(s, i); };
    });
}
