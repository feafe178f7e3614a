#include "panels/frm3hgf.h"

#include <array>
#include <string>

#include "forms/convert.h"
#include "forms/layout.h"
#include "panels/captions.h"
#include "routines/waves.h"

using forms::Control;
using forms::Geometry;
using forms::Grid;
using forms::place;
namespace colors = forms::colors;

namespace {

constexpr forms::Color MenuText = 0x80000007;       // the 19th system's "not played" colour
constexpr forms::Color HighlightText = 0x8000000E;  // HGF value not marked
constexpr forms::Color WindowFrame = 0x80000006;
constexpr forms::Color TimerOff = 0x8080FF;
constexpr forms::Color DarkGrey = 0x404040;        // clickable system labels before their first click

// The number grid: one column per number, one row per figure, readable from across the desk.
constexpr int GridRows = 6;
constexpr Grid NumberGrid{80, 8, 44, 21, 2, 2};

// Rows of small caption/box pairs under the grid.
constexpr int SectionTop = NumberGrid.top + GridRows * (21 + 2) + 58;
constexpr int RowH = 20;
constexpr int RowStep = 24;

using Builder = panels::Captions;

// A box only the system writes.
Control& shown(Control& c, Geometry g, std::string design, int align = 2) {
    panels::figureBox(c, g, std::move(design)).setAlignment(align);
    return c;
}

// A box the player types into.
Control& typed(Control& c, Geometry g, std::string design) { return panels::figureBox(c, g, std::move(design), true); }

// A label that acts as a switch or button: framed so it reads as clickable.
Control& clickable(Control& c, Geometry g, std::string design, forms::Color fore, forms::Color back) {
    place(c, g).design(std::move(design)).designColors(fore, back);
    c.setAlignment(2);
    c.setBorderStyle(1);
    return c;
}

void buildNumberGrid(Frm3hgf& f, Builder& b) {
    const std::array<const char*, GridRows> rowNames = {"Nbr", "HGF", "Hits", "NApp", "Bb 19th", "Left 19th"};
    for (int r = 0; r < GridRows; ++r) {
        Geometry g = NumberGrid.cell(0, r);
        b.caption(rowNames[static_cast<size_t>(r)], {8, g.top + 2, NumberGrid.left - 12, g.height - 2}, 1);
    }
    for (int n = 0; n <= 36; ++n) {
        std::string nbr = forms::numText(n);
        Control& number = clickable(f.Label2.add(n), NumberGrid.cell(n, 0), nbr, colors::White, colors::Black);
        number.setFont(10, true);
        number.setToolTip("Pick " + nbr + " for the sub-progressions");

        Control& value = shown(f.Text1.add(n), NumberGrid.cell(n, 1), "0");
        value.designColors(colors::WindowText, HighlightText);
        value.setFont(9, true);
        value.setToolTip("HGF of " + nbr + ": click to play it in the next free wave");
        Control& hits = shown(f.Text2.add(n), NumberGrid.cell(n, 2), "0");
        hits.setFont(9, false);
        hits.setToolTip("Hits of " + nbr + ": click to enter " + nbr + " as the next spin");

        auto mark = [&](Control& c, int row) -> Control& {
            place(c, NumberGrid.cell(n, row)).design("0").designColors(colors::White, MenuText);
            c.setAlignment(2);
            c.setFont(9, false);
            return c;
        };
        mark(f.Label2.add(Frm3hgf::NonAppearFirst + n), 3);
        mark(f.Label12.add(n), 4);
        mark(f.Label13.add(n), 5);
    }
}

void buildStatsStrip(Frm3hgf& f, Builder& b) {
    const Grid s{8, NumberGrid.bottom(GridRows) + 6, 52, 20, 4, 2};
    clickable(f.Label14.add(0), {s.left, s.top, 52, 42}, "AVG", colors::ButtonText, colors::ButtonFace)
        .setToolTip("Hit statistics: Mn, Mx and Avg of the hits of 1 to 36");
    const std::array<const char*, 3> heads = {"Mn", "Mx", "Avg"};
    for (int i = 0; i < 3; ++i) {
        place(f.Label14.add(1 + i), s.cell(1 + i, 0)).design(heads[static_cast<size_t>(i)]).setAlignment(2);
        Control& v = place(f.Label14.add(4 + i), s.cell(1 + i, 1)).design("0").designColors(colors::WindowText, colors::White);
        v.setAlignment(2);
        v.setBorderStyle(1);
    }
    clickable(f.Label11, {s.right(4) + 8, s.top, 60, 42}, "MARK", colors::ButtonText, colors::ButtonFace)
        .setToolTip("Mark the numbers absent for at least CntForMarking spins");
    const int maxLeft = s.right(4) + 80;
    place(f.Label2.add(84), {maxLeft, s.top, 52, 20}).design("MAX").setAlignment(2);
    place(f.Label2.add(Frm3hgf::MaxLabel), {maxLeft, s.top + 22, 52, 20})
        .design("0")
        .designColors(colors::White, MenuText)
        .setAlignment(2);

    const int timerLeft = maxLeft + 80;
    Control& alert = clickable(f.Label5, {timerLeft, s.top, 90, 42}, "Timer Off", colors::Black, TimerOff);
    alert.setFont(9, true);
    alert.setBorderStyle(0);  // the frame marks the running timer, as its click sets it
    Control& left = place(f.Label6, {timerLeft + 96, s.top + 10, 52, 24}).design("0");
    left.setFont(12, true);
    left.setAlignment(2);
    left.setVisible(false);
    left.setToolTip("Minutes left");
    place(f.Timer1, {timerLeft + 150, s.top, 0, 0});
    f.Timer1.setInterval(60000);
    f.Timer1.setEnabled(false);
    b.caption("Session alert", {timerLeft + 150, s.top + 12, 90, 18});
}

// HGF lists, the HGF progression and the 9th system.
void buildListColumn(Frm3hgf& f, Builder& b) {
    const int x = 8, labelW = 110, boxX = x + labelW + 4, boxW = 440;
    int y = SectionTop;
    b.heading("HGF 12 numbers", x, y, 300);
    y += RowStep;
    auto listRow = [&](const char* name, int idx) -> Control& {
        b.caption(name, {x, y + 2, labelW, 18});
        Control& c = shown(f.Text3.add(idx), {boxX, y, boxW, RowH}, "", 0);
        y += RowStep;
        return c;
    };
    listRow("Sorted values", 3);
    listRow("HGF numbers", 4).setFont(9, true);
    listRow("Theory index", 7).setToolTip("Theory index");

    b.caption("13th number", {x, y + 2, labelW, 18});
    shown(f.Text3.add(5), {boxX, y, 44, RowH}, "")
        .setToolTip("13th number, player can include or not to the set of playing numbers.Balance is not calculated for this 13th number.");
    b.caption("Pause", {boxX + 60, y + 2, 40, 18});
    shown(f.Text3.add(6), {boxX + 104, y, 30, RowH}, "");
    y += RowStep + 4;

    // The HGF progression: captions above their boxes.
    const std::array<std::pair<const char*, int>, 4> boxes = {{{"Bal", 7}, {"Bbet", 8}, {"MxBbet", 10}, {"MinBal", 11}}};
    b.caption("HGF progression", {x, y + 20, labelW, 18});
    for (int i = 0; i < 4; ++i) {
        auto [name, idx] = boxes[static_cast<size_t>(i)];
        b.over(f.Text4.add(idx), name, boxX + i * 78, y, 70, idx == 8 ? "1" : "0");
    }
    f.Text4[7].setLocked(false);  // the player may restate the balance
    f.Text4[7].setToolTip("Balance of the HGF progression; may be overwritten");
    y += 18 + RowH + 12;

    b.heading("9th 12unique", x, y, 300);
    y += RowStep;
    listRow("9th Unique nbrs", 0).setFont(9, true);
    b.caption("9th Bbet", {x, y + 2, labelW, 18});
    shown(f.Text3.add(1), {boxX, y, 60, RowH}, "wait");
    b.caption("9th CW4", {boxX + 80, y + 2, 60, 18});
    shown(f.Text3.add(2), {boxX + 144, y, 60, RowH}, "0");
}

// The three sub-progressions and the 11th Sixth.
void buildSubProgressionColumn(Frm3hgf& f, Builder& b) {
    const int x = 590;
    int y = SectionTop;
    b.heading("HGF sub-progressions", x, y, 300);
    y += RowStep;
    // Columns: switch, counter, step, length, total, "Eur".
    const Grid t{x, y, 48, RowH, 6, 4};
    const int switchW = 72;
    auto col = [&](int c, int row) {
        Geometry g = t.cell(c, row);
        g.left += switchW - t.cellWidth;
        return g;
    };
    b.caption("Spin", col(1, 0), 2);
    b.caption("Bbet", col(2, 0), 2);
    b.caption("Spins", col(3, 0), 2);
    b.caption("Total", col(4, 0), 2);
    const std::array<std::array<int, 2>, 3> boxes = {{{0, 1}, {3, 4}, {5, 6}}};
    const std::array<std::array<const char*, 2>, 3> limits = {{{"54", "96"}, {"76", "203"}, {"60", "250"}}};
    for (int k = 0; k < 3; ++k) {
        const int row = 1 + k;
        Geometry sw = t.cell(0, row);
        sw.width = switchW;
        Control& check = place(f.Check1.add(k), sw).design("");
        check.setFont(9, true);
        check.setToolTip("Tick to start this schedule");
        shown(f.Text4.add(boxes[static_cast<size_t>(k)][0]), col(1, row), "0");
        shown(f.Text4.add(boxes[static_cast<size_t>(k)][1]), col(2, row), "1").designColors(colors::WindowText, HighlightText);
        for (int j = 0; j < 2; ++j)
            place(f.Label15.add(2 * k + j), col(3 + j, row)).design(limits[static_cast<size_t>(k)][static_cast<size_t>(j)]).setAlignment(2);
        place(f.Label15.add(6 + k), col(5, row)).design("Eur");
    }
    y = t.bottom(4) + 4;
    Geometry bal = col(1, 0);
    shown(f.Text4.add(9), {bal.left, y, 48, RowH}, "Bal:").designColors(colors::WindowText, colors::ButtonFace);
    typed(f.Text4.add(2), {bal.left + 54, y, 48, RowH}, "0").setToolTip("Common balance of the three schedules");
    place(f.Command1, {col(4, 0).left, y - 2, 60, 24}).design("cls").setToolTip("Clear the picked numbers and the schedules");
    y += RowStep + 16;

    clickable(f.Label1.add(1), {x, y, 110, 20}, "11th Sixth", colors::White, DarkGrey).setFont(9, true);
    b.caption("Step", {x + 130, y + 2, 36, 18});
    Control& step = shown(f.Text6, {x + 168, y, 40, RowH}, "0");
    step.designColors(colors::BrightGreen, colors::Black);
    step.setFont(10, true);
    y += RowStep + 2;
    // Six lines in two columns of three: switch label, then its figure.
    const std::array<const char*, 6> lines = {"1 - 6", "7 - 12", "13 - 18", "19 - 24", "25 - 30", "31 - 36"};
    for (int k = 0; k < 6; ++k) {
        const int cx = x + (k / 3) * 170, cy = y + (k % 3) * RowStep;
        clickable(f.Label4.add(k), {cx, cy, 70, RowH}, lines[static_cast<size_t>(k)], colors::White, DarkGrey)
            .setToolTip("Mark this six line");
        shown(f.Text5.add(k), {cx + 76, cy, 60, RowH}, "0");
    }
    shown(f.Text5.add(6), {x + 340, y, 60, RowH}, "0").setVisible(false);
}

// 14th Dorvik dozens and 15th Shotwell.
void buildDorvikShotwellColumn(Frm3hgf& f, Builder& b) {
    const int x = 990, labelW = 96, boxX = x + labelW + 4;
    int y = SectionTop;
    clickable(f.Label1.add(2), {x, y, 150, 20}, "14th Dorviks doz.", colors::White, DarkGrey).setFont(9, true);
    y += RowStep + 2;
    b.caption("Bet dozens", {x, y + 2, labelW, 18});
    for (int i = 0; i < 2; ++i) {
        Control& d = shown(f.Text7.add(i), {boxX + i * 48, y, 44, RowH}, "");
        d.designColors(colors::Yellow, WindowFrame);
        d.setFont(10, true);
    }
    y += RowStep;
    b.caption("Progression", {x, y + 2, labelW, 18});
    shown(f.Text8.add(0), {boxX, y, 240, RowH}, "", 0).designColors(WindowFrame, colors::Window);
    y += RowStep;
    const std::array<std::pair<const char*, const char*>, 3> figures = {
        {{"Bbet", ""}, {"CWS", "Cwin for one session"}, {"CWAll", "Total cwin"}}};
    for (int i = 0; i < 3; ++i) {
        auto [name, tip] = figures[static_cast<size_t>(i)];
        Control& t = b.over(f.Text8.add(1 + i), name, boxX + i * 82, y, 76, i == 0 ? "1" : "0");
        t.designColors(colors::Window, WindowFrame);
        if (*tip) t.setToolTip(tip);
    }
    y += RowStep + 30;

    place(f.Label7.add(9), {x, y, 200, 18}).design("15th Shotwell").setFont(9, true);
    y += RowStep;
    const Grid t{x + 160, y, 54, RowH, 6, 4};
    // An average shows all fifteen digits of its fraction: its column is wide, the counts narrow.
    const auto cell = [&t](int c, int r) {
        constexpr int Left[] = {0, 44, 168}, Width[] = {40, 120, 40};
        Geometry g = t.cell(0, r);
        g.left += Left[c];
        g.width = Width[c];
        return g;
    };
    const std::array<const char*, 3> heads = {"No", "Avg", "Mx"};
    for (int c = 0; c < 3; ++c) place(f.Label7.add(6 + c), cell(c, 0)).design(heads[static_cast<size_t>(c)]).setAlignment(2);
    const std::array<const char*, 6> groups = {"L1-6,N 20,26,8,10",    "L4-9,N 13,14,15,10", "L10-15,N 16,17,18,28",
                                               "L13-18,N 11,12,27,28", "L19-24,N 1,2,4,26",  "L28-33,N 0,22,24,35"};
    for (int k = 0; k < 6; ++k) {
        Geometry row = t.cell(0, 1 + k);
        place(f.Label7.add(k), {x, row.top + 2, 156, 18}).design(groups[static_cast<size_t>(k)]);
        for (int c = 0; c < 3; ++c) shown(f.Text9.add(k + 6 * c), cell(c, 1 + k), "0");
    }
}

// 16th Cycle 1Dozen with the manual counter, and 17th Waves.
void buildCycleWavesColumn(Frm3hgf& f, Builder& b) {
    const int x = 1370;
    int y = SectionTop;
    b.heading("16th Cycle 1Dozen", x, y, 200);
    y += RowStep;
    const Grid d{x, y, 56, RowH, 6, 4};
    b.caption("Cnt", d.cell(1, 0), 2);
    b.caption("% All", d.cell(2, 0), 2);
    const std::array<std::pair<const char*, forms::Color>, 3> dozens = {{{"L", 0xFFFF}, {"M", 0xFF00FF}, {"H", 0xFF8080}}};
    for (int k = 0; k < 3; ++k) {
        auto [name, colour] = dozens[static_cast<size_t>(k)];
        b.caption(name, d.cell(0, 1 + k), 2).designColors(colors::Black, colour).setFont(9, true);
        Control& sw = shown(f.Text10.add(k), d.cell(1, 1 + k), "0");
        sw.designColors(colors::WindowText, colors::Window);
        sw.setToolTip("Click to play this dozen (and restart the 16th)");
        shown(f.Text10.add(5 + k), d.cell(2, 1 + k), "0");
    }
    // Unit boxes beside the dozen table.
    const int ux = d.right(3) + 12;
    b.caption("Basebet:", {ux, y + RowStep + 2, 70, 18});
    typed(f.Text10.add(3), {ux + 72, y + RowStep, 56, RowH}, "1");
    b.caption("Cyclebet:", {ux, y + 2 * RowStep + 2, 70, 18});
    typed(f.Text10.add(4), {ux + 72, y + 2 * RowStep, 56, RowH}, "5");
    y = d.bottom(4) + 6;

    const std::array<const char*, 5> results = {"Cwin", "Bet", "Ws", "MxCwin", "MnCwin"};
    for (int i = 0; i < 5; ++i) b.over(f.Text11.add(i), results[static_cast<size_t>(i)], x + i * 70, y, 64, "0");
    y += 18 + RowH + 12;

    // The manual counter: "-" and the legends count down, the counters count up.
    place(f.Label7.add(10), {x, y + 3, 60, 18}).design("Counter");
    clickable(f.Label7.add(12), {x + 62, y, 28, 24}, "-", colors::ButtonText, colors::ButtonFace).setFont(12, true);
    Control& counter = clickable(f.Label8.add(0), {x + 94, y, 56, 24}, "0", colors::ButtonText, colors::White);
    counter.setFont(11, true);
    counter.setToolTip("Manual counter: click to add 1");
    place(f.Label7.add(11), {x + 170, y + 3, 50, 18}).design("Cycles");
    Control& cycles = clickable(f.Label8.add(1), {x + 222, y, 56, 24}, "0", colors::ButtonText, colors::White);
    cycles.setFont(11, true);
    y += RowStep + 22;

    b.heading("17th Waves", x, y, 200);
    y += RowStep;
    const Grid w{x + 100, y, 56, RowH, 6, 4};
    b.caption("Numbers", {x, w.cell(0, 0).top + 2, 96, 18});
    b.caption("No. Cwin", {x, w.cell(0, 1).top + 2, 96, 18});
    b.caption("Bbet", {x, w.cell(0, 2).top + 2, 96, 18});
    for (int k = 0; k < 4; ++k) {
        Control& wave = shown(f.Text12.add(k), w.cell(k, 0), std::string(routines::WaveFree));
        wave.setFont(10, true);
        shown(f.Text13.add(k), w.cell(k, 1), "0");
        shown(f.Text13.add(4 + k), w.cell(k, 2), "1");
    }
    y = w.bottom(3) + 4;
    const std::array<std::pair<const char*, int>, 4> totals = {
        {{"Cumulative Cwin17", 8}, {"Mincwin", 10}, {"Spin", 9}, {"AllSpins", 11}}};
    int left = x;
    for (auto [name, idx] : totals) {
        const int width = idx == 8 ? 130 : 84;  // room for "Cumulative Cwin17"
        b.over(f.Text13.add(idx), name, left, y, width, (idx == 9 || idx == 11) ? "1" : "0");
        left += width + 6;
    }
}

}  // namespace

Frm3hgf::Frm3hgf() : forms::Form("frm3hgf") {
    setCaption("HGF & 12 unique numbers");
    setGeometry({40, 40, NumberGrid.right(37) + 10, SectionTop + 386});
    Builder b(lbl);
    buildNumberGrid(*this, b);
    buildStatsStrip(*this, b);
    buildListColumn(*this, b);
    buildSubProgressionColumn(*this, b);
    buildDorvikShotwellColumn(*this, b);
    buildCycleWavesColumn(*this, b);
}
