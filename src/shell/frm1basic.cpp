#include "shell/frm1basic.h"

#include <string>

#include "passes/first/first_pass.h"
#include "shell/entry.h"
#include "shell/menus.h"
#include "shell/reset.h"
#include "shell/selftest.h"
#include "shell/session.h"
#include "shell/startup.h"

namespace colors = forms::colors;

namespace {

// The number column: the entry box on top, then the 28 history rows.
constexpr int RowTop = 48;
constexpr int RowStep = 25;
constexpr int RowHeight = 23;
constexpr int BoxHeight = 24;

int rowY(int i) { return i == 0 ? 10 : RowTop + (i - 1) * RowStep; }

constexpr forms::Color WindowTextDark = colors::WindowText;  // the systems' dark figure boxes
constexpr forms::Color LightBlue = 0xFF8080;
constexpr forms::Color Orange = 0x80FF;

// Lays the window out in labelled blocks: a frame, a heading (with its switch at the right) and
// captions above the boxes.
class Blocks {
public:
    explicit Blocks(Frm1basic& f) : f_(f) {}

    // A block's frame and its heading; returns the top of its first row.
    int open(forms::Control& heading, std::string text, int x, int y, int w, int h,
             forms::Control* sw = nullptr) {
        frame(x, y, w, h);
        heading.design(std::move(text)).at(x + 10, y + 8, w - 50, 20);
        heading.setFont(10, true);
        if (sw) sw->at(x + w - 30, y + 9, 18, 18);
        return y + 32;
    }
    void frame(int x, int y, int w, int h) { f_.Frame1.add(frames_++).at(x, y, w, h); }
    forms::Control& caption(std::string text, int x, int y, int w, int align = 2) {
        auto& c = f_.Label3.add(captions_++).design(std::move(text)).at(x, y, w, 18);
        c.setAlignment(align);
        return c;
    }
    // A box the system writes, under its caption when it has one.
    forms::Control& box(forms::Control& c, const char* name, int x, int y, int w, std::string design = {}) {
        if (name) caption(name, x, y, w);
        c.design(std::move(design)).at(x, name ? y + 18 : y, w, BoxHeight);
        c.setLocked(true);
        c.setAlignment(2);
        c.setFont(9, true);
        return c;
    }

private:
    Frm1basic& f_;
    int frames_ = 0;
    int captions_ = 0;
};

}  // namespace

Frm1basic::Frm1basic() : forms::Form("frm1basic") {
    setCaption("Roulette advisor");
    setGeometry({0, 0, 1190, 840});

    for (int i = 0; i <= 28; ++i) {
        auto& t = Text1.add(i).at(10, rowY(i), 52, RowHeight).designColors(colors::WindowText, colors::White);
        t.setFont(i == 0 ? 10 : 11, true);  // the history reads at a glance
        t.setAlignment(2);
        if (i > 0) t.setLocked(true);  // the history is the record of what fell
        auto& d = Text2.add(i).at(66, rowY(i), 30, RowHeight);
        d.setLocked(true);
        d.setAlignment(2);
        d.setFont(9, false);
        auto& l = Label5.add(i).at(100, rowY(i), 24, RowHeight);
        l.setAlignment(2);
        if (i == 0) l.setVisible(false);
    }
    const int barY = rowY(28) + RowHeight + 12;
    Command1.design("Spins: 0").designColors(colors::ButtonText, 0xFFFF).at(10, barY, 114, 30);
    Command2.design("Reset").at(136, barY, 70, 30);
    Command3.design("Test").at(212, barY, 70, 30);

    Blocks b(*this);

    // The dozen counts with their legends, in the trend colours.
    {
        const int x = 136, y = 40;
        b.frame(x, y, 122, 114);
        b.caption("L / M / H", x + 8, y + 8, 106);
        const struct { int legend; const char* text; forms::Color back; } rows[] = {
            {0, "L", colors::Yellow}, {2, "M", 0xFF00FF}, {1, "H", LightBlue}};
        for (int i = 0; i < 3; ++i) {
            const int ry = y + 32 + i * 26;
            auto& legend = Label2.add(rows[i].legend).design(rows[i].text).designColors(colors::Black, rows[i].back);
            legend.at(x + 10, ry, 24, BoxHeight);
            legend.setAlignment(2);
            legend.setFont(9, true);
            b.box(Text3.add(i), nullptr, x + 40, ry, 70, "");
        }
    }

    // First column of systems.
    const int ax = 270, aw = 440;
    {
        const int y = b.open(Label1, "1st - 2D 12slp vs 24 hit", ax, 40, aw, 84, &Check2);
        b.caption("Bet adv", ax + 10, y, 124);
        b.box(Text4.add(0), nullptr, ax + 10, y + 18, 60);
        b.box(Text4.add(3), nullptr, ax + 74, y + 18, 60);
        b.box(Text4.add(2), "Bbet", ax + 150, y, 70, "1");
        b.box(Text4.add(1), "CW1", ax + 230, y, 90, "0");
    }
    {
        const int y = b.open(Label8.add(0), "2nd - 2D against trend", ax, 134, aw, 84, &Check1);
        b.box(Text6, "Bet adv", ax + 10, y, 124);
        b.box(Text5, "Bbet", ax + 150, y, 70, "1").setLocked(false);  // the player's unit stake
        b.box(Text7, "S/L", ax + 230, y, 70, "0").setLocked(false);
        b.box(Text9, "CW2", ax + 310, y, 90, "0").designColors(colors::BrightGreen, colors::Black);
    }
    {
        const int y = b.open(Label8.add(2), "3rd - 1D 11cycle progress", ax, 228, aw, 66);
        b.box(Text10, nullptr, ax + 10, y, aw - 20, "1-2-3-4-6-9-13-20-30-45-67")
            .designColors(colors::WindowText, colors::White)
            .setVisible(false);
    }
    {
        const int y = b.open(Label8.add(1), "4th - 2D 4cycle progress", ax, 304, aw, 66);
        b.box(Text8.add(0), nullptr, ax + 10, y, aw - 20, "TEXT").designColors(LightBlue, WindowTextDark).setVisible(false);
    }
    {
        const int y = b.open(Label8.add(6), "Low/High doubling", ax, 380, aw, 84);
        b.box(Text8.add(2), "Badv", ax + 10, y, 70).designColors(Orange, WindowTextDark);
        b.box(Text8.add(3), "Bb", ax + 90, y, 90, "1").designColors(Orange, WindowTextDark);
        b.box(Text8.add(1), "CW9", ax + 190, y, 90, "0").designColors(Orange, WindowTextDark);
    }
    {
        // "2NB prog": the label is the switch, on while its text is green; stake and count beside.
        b.frame(ax, 474, aw, 50);
        Label9.design("2NB prog").designColors(shell::SwitchOff, 0x404040).at(ax + 10, 487, 90, 24);
        Label9.setAlignment(2);
        Label9.setFont(10, true);
        Label9.setBorderStyle(1);
        Label9.setToolTip("2NB prog: click to switch on or off");
        for (int i = 0; i < 2; ++i) {
            auto& l = Label10.add(i).design("0").at(ax + 110 + i * 50, 487, 44, 24);
            l.setAlignment(2);
            l.setFont(10, true);
        }
    }

    // Second column of systems.
    const int bx = 730, bw = 440;
    {
        const int y = b.open(Label8.add(3), "5th - 1:1 No repeats", bx, 40, bw, 146);
        // Columns: the chance's no-repeat box (row "1") and repeat box (row "2").
        const struct { const char* name; int once, twice; } chances[] = {
            {"Black", 0, 1}, {"Red", 2, 3}, {"High", 7, 6}, {"Low", 5, 4}, {"Even", 9, 8}, {"Odd", 11, 10}};
        auto& one = b.caption("1", bx + 10, y + 21, 24);
        one.designColors(colors::Green, colors::ButtonFace);
        one.setToolTip("Count of no repeats, eg. not two same blacks come X times");
        auto& two = b.caption("2", bx + 10, y + 47, 24);
        two.designColors(colors::Red, colors::ButtonFace);
        two.setToolTip("Count of repeats, eg. two blacks came X times");
        for (int k = 0; k < 6; ++k) {
            const int cx = bx + 40 + k * 64;
            b.caption(chances[k].name, cx, y, 60);
            for (int r = 0; r < 2; ++r) {
                auto& c = b.box(Text11.add(r == 0 ? chances[k].once : chances[k].twice), nullptr, cx, y + 18 + r * 26, 60, "0");
                c.designColors(colors::Window, WindowTextDark);
            }
        }
        b.caption("Progression:", bx + 10, y + 78, 90, 0);
        b.box(Text12, nullptr, bx + 100, y + 76, bw - 110, "wait");
    }
    {
        const int y = b.open(Label8.add(4), "6th - 2Columns", bx, 196, bw, 84);
        for (int i = 0; i < 3; ++i) {
            const char* names[] = {"1Col", "2Col", "3Col"};
            b.box(Text13.add(i), names[i], bx + 10 + i * 66, y, 60, "0").designColors(colors::Window, WindowTextDark);
        }
        b.box(Text14, nullptr, bx + 210, y + 18, bw - 220).designColors(colors::Green, WindowTextDark);
    }
    {
        const int y = b.open(Label8.add(5), "7th - Marosti on streets", bx, 290, bw, 138, &Check3);
        b.box(Text15.add(3), nullptr, bx + 10, y, bw - 20)
            .setToolTip("betting on the same street as was the last one, only no hit numbers from street");
        b.box(Text15.add(0), nullptr, bx + 10, y + 28, bw - 20);
        for (int i : {0, 3}) Text15[i].setAlignment(0);
        b.box(Text15.add(1), "Bbet", bx + 10, y + 56, 70, "1");
        b.box(Text15.add(2), "CW7", bx + 90, y + 56, 90, "0");
    }
    Check1.setToolTip("2nd system");
    Check2.setToolTip("1st system");
    Check3.setToolTip("7th system");

    // The auto-click pair (never shown) and a button that does nothing, beside the spin buttons.
    Command6.design("").at(292, barY, 90, 30);
    Command5.add(0).design("Start click").at(390, barY, 90, 30).setVisible(false);
    Command5.add(1).design("Stop click").at(486, barY, 120, 30).setVisible(false);
    Timer1.setInterval(60000);
    Timer1.setEnabled(false);

    opti.add(1).design("Options");
    hgf.add(3).design("HGF");
    fast.add(6).design("FAST");
    help.add(5).design("Help");
    about.add(4).design("About");
    tch.add(7).design("TCh");
    edge.add(8).design("Edge");
    end.add(2).design("End");
}

void attachFrm1basic(Session& s, Frm1basic& f) {
    for (int i = 0; i <= 28; ++i) {
        auto& t = f.Text1[i];
        t.onKeyPress = [&s, i](int& key) { shell::Text1_KeyPress(s, i, key); };
        t.onChange = [&s, &t] { shell::Text1_Change(s, t); };
        t.onClick = [&s, i] { shell::Text1_Click(s, i); };
    }
    f.Text5.onChange = [&s] { shell::Text5_Change(s); };
    f.Command1.onClick = [&s] { passes::Command1_Click(s); };
    f.Command2.onClick = [&s] { shell::Command2_Click(s); };
    f.Command3.onClick = [&s] { shell::Command3_Click(s); };
    shell::wireMenusAndSwitches(s, f);

    shell::Form_Load(s);
}
