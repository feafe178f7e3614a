// What the HGF panel does with the player's clicks and typing. The spin passes fill the panel;
// these handlers change the switches and inputs that the passes read back on the next spin.
#include <algorithm>
#include <optional>

#include "forms/amounts.h"
#include "forms/convert.h"
#include "panels/frm3hgf.h"
#include "routines/waves.h"
#include "settings/frm2opti.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

using forms::Control;
namespace colors = forms::colors;

namespace {

constexpr forms::Color TimerOff = 0x8080FF;
constexpr forms::Color TimerOn = 0x80FF80;
constexpr forms::Color Marked = 0xFF0000;    // "MARK": long absent
constexpr forms::Color AboveAvg = 0x0080FF;  // hit count at or above the average
constexpr forms::Color DozenOn = colors::Green;

// Option boxes of the session alert and the marking.
constexpr int AvailableSpins = 14;
constexpr int SecondsPerSpin = 15;
constexpr int AlertMinutes = 16;
constexpr int CntForMarking = 25;

// The cycle bet is five base bets; three characters keep it far from any overflow.
constexpr size_t BaseBetMaxChars = 3;

std::optional<int32_t> setting(Session& s, int box) {
    Control* c = s.frm2opti().control("Text1", box);
    return c ? forms::toInt(c->text()) : std::nullopt;
}

void focusEntry(Session& s) { s.frm1basic().SpinEntryBox().setFocus(); }

void toggleBack(Control& c, forms::Color on) { c.setBackColor(c.backColor() == on ? colors::Black : on); }

void Label5_Click(Session& s, Frm3hgf& f) {
    auto& t = s.st;
    if (f.Label5.backColor() == TimerOff) {
        auto spins = setting(s, AvailableSpins), secs = setting(s, SecondsPerSpin), alert = setting(s, AlertMinutes);
        if (!spins || !secs || !alert) return;
        f.Label5.setBackColor(TimerOn);
        f.Label5.setCaption("Timer On");
        f.Label5.setBorderStyle(1);
        f.Timer1.setEnabled(true);
        t.timer = 0;
        const int64_t product = int64_t{*spins} * *secs;
        const int64_t limit = static_cast<int64_t>(forms::roundEven(static_cast<double>(product) / 60.0)) - *alert;
        t.l_timersec = forms::satNarrow(limit);
        f.Label6.setVisible(true);
        f.Label6.setCaption(forms::numText(int64_t{t.l_timersec}));
    } else {
        f.Label5.setBackColor(TimerOff);
        f.Label5.setCaption("Timer Off");
        f.Label5.setBorderStyle(0);
        f.Timer1.setEnabled(false);
        t.timer = 0;
        f.Label6.setVisible(false);
        f.Label6.setCaption("0");
    }
    focusEntry(s);
}

// Counts limit - 1 down to -1, then starts again at limit - 1.
void Timer1_Timer(Session& s, Frm3hgf& f) {
    auto& t = s.st;
    t.timer += 1;
    f.Label6.setCaption(forms::numText(int64_t{t.l_timersec} - t.timer));
    if (t.l_timersec < t.timer) t.timer = 0;
}

void Label11_Click(Session& s, Frm3hgf& f) {
    auto limit = setting(s, CntForMarking);
    if (!limit) return;
    for (int n = 0; n <= 36; ++n) {
        Control& gap = f.NonAppearLabels(n);
        auto v = forms::toInt(gap.caption());
        if (v && *v >= *limit) gap.setBackColor(Marked);
    }
}

// Mn, Mx and Avg of the hits of 1 to 36; the average is over 37 boxes, zero's included.
void Label14_Click(Frm3hgf& f) {
    int32_t hits[37] = {};
    for (int n = 1; n <= 36; ++n) {
        auto v = forms::toInt(f.HitCounts(n).text());
        if (!v) return;
        hits[n] = *v;
    }
    int32_t mn = 100000, mx = 0;
    int64_t sum = 0;
    for (int n = 1; n <= 36; ++n) {
        mn = std::min(mn, hits[n]);
        mx = std::max(mx, hits[n]);
        sum += hits[n];
    }
    const double avg = sum > 0 ? forms::roundTo(static_cast<double>(sum) / 37.0, 1) : 0.0;
    f.Label14[4].setCaption(forms::numText(mn));
    f.Label14[5].setCaption(forms::numText(mx));
    f.Label14[6].setCaption(forms::numText(avg));
    for (int n = 1; n <= 36; ++n)
        if (hits[n] >= avg) f.HitCounts(n).setBackColor(AboveAvg);
}

// A green number label puts its number into the first free pick, at most three, none twice.
void Label2_Click(Frm3hgf& f, int index) {
    Control& l = f.Label2[index];
    l.setBackColor(l.backColor() == colors::Green ? colors::Black : colors::Green);
    if (index > 36 || l.backColor() != colors::Green) return;
    const std::string& nbr = l.caption();
    Control &p0 = f.Check1[0], &p1 = f.Check1[1], &p2 = f.Check1[2];
    if (p0.caption().empty()) {
        p0.setCaption(nbr);
    } else if (p1.caption().empty()) {
        if (nbr != p0.caption()) p1.setCaption(nbr);
    } else if (p2.caption().empty()) {
        if (nbr != p0.caption() && nbr != p1.caption()) p2.setCaption(nbr);
    }
}

// Keypad: the number goes into the entry box; the player still presses Enter.
void Text2_Click(Session& s, int index) {
    Control& entry = s.frm1basic().SpinEntryBox();
    entry.setText(forms::numText(index));
    entry.setFocus();
}

// The first free wave box takes the number, unless an earlier box already holds it.
void Text1_Click(Frm3hgf& f, int index) {
    const std::string nbr = forms::numText(index);
    auto free = [&](int k) { return f.WaveBoxes(k).text() == routines::WaveFree; };
    auto holds = [&](int k) { return f.WaveBoxes(k).text() == nbr; };
    if (free(0)) {
        f.WaveBoxes(0).setText(nbr);
        f.WaveBoxes(0).setBackColor(colors::BrightGreen);
    } else if (free(1) && !holds(0)) {
        f.WaveBoxes(1).setText(nbr);
    } else if (free(2) && !holds(0) && !holds(1)) {
        f.WaveBoxes(2).setText(nbr);
    } else if (free(3) && !holds(0) && !holds(1) && !holds(2)) {
        f.WaveBoxes(3).setText(nbr);
    }
}

// Switching a dozen restarts the 16th system.
void Text10_Click(Session& s, Frm3hgf& f, int index) {
    Control& box = f.Text10[index];
    box.setBackColor(box.backColor() == DozenOn ? colors::White : DozenOn);
    s.st.i_wincnt16 = 0;
    s.st.i_bet16 = 4;
}

void Text10_Change(Frm3hgf& f, int index) {
    if (index != 3) return;
    const std::string& text = f.Text10[3].text();
    if (text.size() > BaseBetMaxChars) return;
    auto unit = forms::toInt(text);
    if (!unit) return;
    f.Text10[4].setText(forms::numText(int64_t{*unit} * 5));
}

void Label1_Click(Frm3hgf& f, int index) {
    if (index == 1) toggleBack(f.Label1[1], colors::Green);
    if (index == 2) toggleBack(f.Label1[2], Marked);
}

void countManually(Session& s, Frm3hgf& f, int step) {
    s.st.l_16cnt += step;
    f.ManualCounter().setCaption(forms::numText(s.st.l_16cnt));
}

// "cls": unticked picks are dropped and the three schedules start afresh.
void Command1_Click(Session& s, Frm3hgf& f) {
    for (int k = 0; k < 3; ++k)
        if (f.Check1[k].value() == 0) f.Check1[k].setCaption("");
    for (int i : {2, 0, 3, 5}) f.Text4[i].setText("0");
    for (int i : {1, 4, 6}) {
        f.Text4[i].setText("2");
        f.Text4[i].setBackColor(colors::White);
    }
    s.st.l_spin_counter3 = 0;
    s.st.l_spin_counter = 0;
    s.st.l_spin_counter2 = 0;
    f.Label2[Frm3hgf::MaxLabel].setCaption("0");
}

}  // namespace

void attachFrm3hgf(Session& s, Frm3hgf& f) {
    f.Label5.onClick = [&s, &f] { Label5_Click(s, f); };
    f.Timer1.onTimer = [&s, &f] { Timer1_Timer(s, f); };
    f.Label11.onClick = [&s, &f] { Label11_Click(s, f); };
    f.Label14.forEach([&f](Control& c) { c.onClick = [&f] { Label14_Click(f); }; });
    f.Label2.forEach([&f](Control& c) { c.onClick = [&f, i = c.index()] { Label2_Click(f, i); }; });
    f.Text2.forEach([&s](Control& c) { c.onClick = [&s, i = c.index()] { Text2_Click(s, i); }; });
    f.Text1.forEach([&f](Control& c) { c.onClick = [&f, i = c.index()] { Text1_Click(f, i); }; });
    f.Text10.forEach([&s, &f](Control& c) {
        c.onClick = [&s, &f, i = c.index()] { Text10_Click(s, f, i); };
        // Only the base bet acts on a change; the figures the 16th writes are formatted when shown.
        if (c.index() == 3) c.onChange = [&f, i = c.index()] { Text10_Change(f, i); };
    });
    f.Label4.forEach([&s](Control& c) {
        c.onClick = [&s, &c] {
            toggleBack(c, colors::Green);
            focusEntry(s);
        };
    });
    f.Label1.forEach([&s, &f](Control& c) {
        c.onClick = [&s, &f, i = c.index()] {
            Label1_Click(f, i);
            focusEntry(s);
        };
    });
    f.Label7.forEach([&s, &f](Control& c) { c.onClick = [&s, &f] { countManually(s, f, -1); }; });
    f.Label8.forEach([&s, &f](Control& c) { c.onClick = [&s, &f] { countManually(s, f, +1); }; });
    f.Check1.forEach([&s](Control& c) { c.onClick = [&s] { focusEntry(s); }; });
    f.Command1.onClick = [&s, &f] {
        Command1_Click(s, f);
        focusEntry(s);
    };

    // Load.
    s.st.l_16cnt = 0;
    s.st.l_16cntc = 0;
}
