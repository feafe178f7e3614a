#include "settings/frm2opti.h"

#include <array>
#include <string>

#include "forms/convert.h"
#include "panels/frm6fast.h"
#include "settings/settings.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

using forms::Control;
using forms::Kind;

namespace {

// One settings box: its label, design text, the text "Default" writes (nullptr: not written)
// and its tool tip.
struct BoxSpec {
    const char* label;
    const char* start;
    const char* byDefault;
    const char* tip;
};

constexpr const char* TipFourthAdd =
    "4th - number is added to count of 2 dozens which should bet, means third dozen has to have stronger trend";
constexpr const char* TipCasino = "Available spins from Casino";

constexpr std::array<BoxSpec, settings::BoxCount> Boxes{{
    {"Trend counter:", "10", "10", ""},
    {"Checking start:", "10", "10", "4th - checking start from this number of drawn numbers"},
    {"Multiplicator:", "1", "1", "4th - bet amount multiplicator"},
    {"Save plus count:", "2", "2", TipFourthAdd},
    {"Nbr of no repeat:", "3", "3", ""},
    {"", "1,3,9,19,40,80", nullptr, TipFourthAdd},
    {"", "1,2,4,8,16,32,64", nullptr, TipFourthAdd},
    {"Save plus count:", "4", "4", ""},
    {"Checking start:", "6", "6", ""},
    {"S/L(Stoploss):", "-200", "-200", ""},
    {"Basebet:", "1", "1", ""},
    {"Betting system:", "2", "2",
     " If entry is 1 then bet amount = Hit frequency,  If entry is 2 then bet amount = increase just enough to be "
     "in profit in 1 hit"},
    {"HGF Ratio >= ", "4", "4", ""},
    {"Basebet % from lost", "0,03", "0,05", ""},
    {"Av/Spins", "17", "17", TipCasino},
    {"Spin/Sec", "40", "40", ""},
    {"Alert/Min", "1", "1", ""},
    {"Spins no.", "300", "50", ""},
    {"StopAfterLoss", "2", "1",
     "How many can you lose before stop playing and waiting for next win. After waiting if numbers win then start "
     "play."},
    {"FiboNONnbrs", "15", "15", ""},
    {"Nbr of target D in 28spins", "5", "5", ""},
    {"Non appear in last spins", "7", "7", ""},
    {"Wincnt16", "3", "3", "Number of winning sessions after start"},
    {"MaxALL%", "30", "30", ""},
    {"NonAppearCnt", "160", "160", "cnt non appear for numbers"},
    {"CntForMarking", "110", "110", "cnt of non appear will be marked by color when button pressed"},
    {"Nbr of Clicks", "60", nullptr, TipCasino},
    {"Time delay [sec]", "2", nullptr, TipCasino},
    {"MinNapp", "12", "12", ""},
    {"MaxNapp", "17", "17", ""},
    {"Multipl", "2", "2", ""},
    {"Total Cwin", "50", "50", ""},
    {"IG Ratio", "0,382", "0,382", ""},
    {"Profit target", "30", "30", ""},
    {"Stop loss", "-126", "-126", "1.618 from 30 profit target is 126"},
    {"Divide HGF disadv", "50", "-400", "Number divides HGF ratio"},
    {"25th Twins", "5", "0", "25twins"},
}};

// Captions of Check2(0..15) and their design values.
struct SwitchSpec {
    const char* caption;
    int start;
};

constexpr std::array<SwitchSpec, settings::SwitchCount> Switches{{
    {"3rd Sys del:", 1}, {"4th Sys del:", 1}, {"5th Sys del:", 1}, {"6th Sys del:", 1},
    {"Active Y/N", 1},   {"General del:", 1}, {"8th Sys del:", 1}, {"Active Y/N", 1},
    {"Y/N", 1},          {"Active Y/N", 1},   {"Active Y/N", 0},   {"Active Y/N", 1},
    {"File Y/N", 0},     {"Active Y/N", 1},   {"Active Y/N", 1},   {"Avg", 1},
}};

// What "Default" writes, in its order.
enum class Write { Box, Check, Option1, Option2 };
struct DefaultStep {
    Write what;
    int index;
    int value = 1;
};

constexpr DefaultStep DefaultOrder[] = {
    {Write::Box, 0},      {Write::Box, 1},      {Write::Box, 2},      {Write::Box, 3},      {Write::Box, 10},
    {Write::Box, 7},      {Write::Box, 8},      {Write::Box, 4},      {Write::Box, 11},     {Write::Box, 12},
    {Write::Box, 9},      {Write::Check, 0},    {Write::Check, 1},    {Write::Check, 2},    {Write::Check, 3},
    {Write::Check, 4},    {Write::Check, 5},    {Write::Check, 6, 0}, {Write::Check, 7},    {Write::Check, 8, 0},
    {Write::Box, 13},     {Write::Box, 14},     {Write::Box, 15},     {Write::Box, 16},     {Write::Box, 17},
    {Write::Box, 18},     {Write::Check, 9},    {Write::Check, 10},   {Write::Check, 11},   {Write::Check, 13},
    {Write::Check, 14},   {Write::Box, 19},     {Write::Box, 20},     {Write::Box, 21},     {Write::Box, 22},
    {Write::Box, 23},     {Write::Box, 24},     {Write::Box, 25},     {Write::Option1, 1},  {Write::Check, 15},
    {Write::Box, 28},     {Write::Box, 29},     {Write::Box, 30},     {Write::Box, 31},     {Write::Box, 32},
    {Write::Box, 33},     {Write::Box, 34},     {Write::Box, 35},     {Write::Option2, 0},  {Write::Box, 36},
};

constexpr const char* TwinsLegend =
    "0=nbrs from HGF[1,2]; 1=fix nbrs; 2=HGF and 2same nbrs; 4=2nbs from street; 5=hgf[7,10] if hgf[7+10]>=3 "
    "+9th \"wait\"";

constexpr int OptionGroup1 = 1;
constexpr int OptionGroup2 = 2;

}  // namespace

// Lays the window out column by column: a group is a frame with its heading and one row per
// setting; a row is a label and a box, or a check box or option button on its own.
class OptionsLayout {
public:
    static constexpr int ColumnWidth = 210;
    static constexpr int LabelWidth = 128;
    static constexpr int BoxWidth = 56;
    static constexpr int RowStep = 22;
    static constexpr int RowHeight = 19;

    explicit OptionsLayout(Frm2opti& f) : f_(f) {}

    void column(int col) {
        closeGroup();
        x_ = 8 + col * ColumnWidth;
        y_ = 8;
    }
    void heading(const char* text) {
        closeGroup();
        label(text, x_, y_, ColumnWidth - 12).setFont(8, true);
        y_ += 18;
    }
    void group(const char* heading) {
        closeGroup();
        frame_ = &f_.Frame1.add(frames_++).design(heading);
        frameTop_ = y_;
        y_ += 16;
    }
    void box(int i) {
        const BoxSpec& b = Boxes[static_cast<size_t>(i)];
        f_.boxLabel_[i] = labels_;
        label(b.label, x_ + 6, y_ + 2, LabelWidth);
        addBox(i, x_ + 8 + LabelWidth, BoxWidth);
        y_ += RowStep;
    }
    void check(int i) {
        const SwitchSpec& sw = Switches[static_cast<size_t>(i)];
        f_.Check2.add(i).design(sw.caption).designValue(sw.start).at(x_ + 6, y_, ColumnWidth - 24, RowHeight);
        y_ += RowStep;
    }
    // A progression choice: its check box, then the list box beside it.
    void progression(int check, int list) {
        f_.Check1.add(check).designValue(check == 0 ? 1 : 0).at(x_ + 6, y_, 18, RowHeight);
        f_.boxLabel_[list] = -1;
        addBox(list, x_ + 26, ColumnWidth - 44);
        y_ += RowStep;
    }
    void option(forms::ControlArray& a, int i, int group, const char* caption, const char* tip) {
        auto& o = a.add(i).design(caption).at(x_ + 6, y_, ColumnWidth - 24, RowHeight);
        o.setGroup(group);
        o.setToolTip(tip);
        y_ += RowStep;
    }
    Control& label(const char* text, int x, int y, int w) {
        return f_.Label1.add(labels_++).design(text).at(x, y, w, RowHeight - 3);
    }
    // A heading inside the current group, with its tool tip.
    void subheading(const char* text, const char* tip) {
        label(text, x_ + 6, y_, ColumnWidth - 24).setToolTip(tip);
        y_ += 18;
    }
    void gap(int h = 6) { y_ += h; }
    int y() const { return y_; }
    void closeGroup() {
        if (!frame_) return;
        frame_->at(x_, frameTop_, ColumnWidth - 8, y_ - frameTop_ + 4);
        frame_ = nullptr;
        y_ += 10;
    }

private:
    void addBox(int i, int x, int w) {
        const BoxSpec& b = Boxes[static_cast<size_t>(i)];
        auto& t = f_.Text1.add(i).design(b.start).at(x, y_, w, RowHeight);
        t.setToolTip(b.tip);
    }

    Frm2opti& f_;
    int x_ = 8, y_ = 8;
    int labels_ = 0, frames_ = 0;
    Control* frame_ = nullptr;
    int frameTop_ = 0;
};

Frm2opti::Frm2opti() : forms::Form("frm2opti") {
    setCaption("Options QTM");
    setBorderStyle(3);  // a fixed dialog
    setGeometry({80, 60, 850, 620});

    OptionsLayout l(*this);
    l.column(0);
    l.heading("Dozens");
    l.group("2nd - Two dozens");
    l.box(10);
    l.group("3rd LMH Trends");
    l.box(0);
    l.group("4th,10th LMH 4 cycl progr.");
    for (int i : {1, 2, 3}) l.box(i);
    l.heading("B/R, H/L, E/O");
    l.group("5th No repeats");
    l.box(4);
    l.group("Progressions");
    l.progression(0, 6);
    l.progression(1, 5);
    l.heading("Columns");
    l.group("6th - Columns");
    l.box(7);
    l.box(8);
    l.group("7th Marosti on streets");
    l.box(9);

    l.column(1);
    l.group("8th,11th,19th HGF");
    for (int i : {11, 12, 18, 24, 25}) l.box(i);
    l.check(4);
    l.check(15);
    l.group("8thAdv progression");
    l.option(Option1, 0, OptionGroup1, "S90", "Costs for prog 90spins = 247, avg gain = 20");
    l.option(Option1, 1, OptionGroup1, "M90", "Costs for 90 spins = 373, avg gain = 36");
    l.option(Option1, 2, OptionGroup1, "ES141", "Costs for prog 141spins = 1141");
    l.group("9th 12unique");
    l.box(13);
    l.check(7);
    l.group("12th FAST");
    l.check(9);
    l.group("13th Fibo NBRs");
    l.box(19);
    l.check(11);
    l.group("14th Dorvik 2 doz.");
    l.check(10);

    l.column(2);
    l.group("16thCycle 1Doz");
    for (int i : {20, 21, 22}) l.box(i);
    l.check(14);
    l.closeGroup();
    l.box(23);
    l.gap();
    l.group("21st NICHE");
    for (int i : {28, 29, 30, 31}) l.box(i);
    l.group("24th IG Rat");
    for (int i : {32, 33, 34, 35}) l.box(i);
    l.subheading("HGF disadv", "Yes = hgf ratio decrease IG ratio, No = without HGF ratio disadvantage");
    l.option(Option2, 0, OptionGroup2, "Yes",
             "The latest numbers have higher IG ratio, it is decreasen less by HGF ratio.");
    l.option(Option2, 1, OptionGroup2, "No", "");
    l.group("25th Twins");
    l.box(36);
    l.group("15th Shotwell");
    l.check(13);

    l.column(3);
    l.group("Reset data");
    for (int i : {5, 0, 1, 2, 3, 6}) l.check(i);
    l.group("Tests");
    l.box(17);
    l.check(8);
    l.check(12);
    l.group("Timer");
    for (int i : {14, 15, 16}) l.box(i);
    l.group("Auto clicker");
    l.box(26);
    l.box(27);
    l.closeGroup();
    Command1.design("Ok").at(14 + 3 * OptionsLayout::ColumnWidth, l.y() + 8, 80, 26);
    Command2.design("Default").at(100 + 3 * OptionsLayout::ColumnWidth, l.y() + 8, 80, 26);

    if (auto* t = labelOf(15)) t->setToolTip("Time to new spin");
    if (auto* t = labelOf(16)) t->setToolTip("Count of minutes before timeout for alert");

    // The TwinsMode legend across the foot of the window; three older legend lines lie below
    // its visible area.
    constexpr int LegendTop = 580;
    l.label(TwinsLegend, 8, LegendTop, 830);
    const char* older[] = {"1=fix nbrs", "2=HGF nb and 2last nbrs", "4=rest2nbrs from 2 last streets"};
    for (int k = 0; k < 3; ++k) l.label(older[k], 8, 640 + 20 * k, 300);
}

forms::Control* Frm2opti::labelOf(int box) const {
    if (box < 0 || box >= settings::BoxCount || boxLabel_[box] < 0) return nullptr;
    return Label1.find(boxLabel_[box]);
}

namespace opti {

void Text1_Change(Frm2opti& f, int index) {
    auto& box = f.Text1[index];
    if (box.text().size() < 6 && forms::isNumeric(box.text())) return;
    box.setText("0");
}

void Text1_DblClick(Frm2opti& f, int index) {
    if (index != static_cast<int>(settings::Box::TwinsMode)) return;
    auto& box = f.Text1[index];
    const std::string& t = box.text();
    if (t == "0") box.setText("1");
    else if (t == "1") box.setText("2");
    else if (t == "2") box.setText("0");
}

void Command1_Click(Session& s) {
    auto& f = s.frm2opti();
    if (auto v = settings::integer(s, settings::Box::TwoDozensBaseBet)) {
        s.st.l_basebet = *v;
        s.frm1basic().Text5.setText(forms::numText(*v));  // its handler validates and sets the S/L
    }
    auto& fast = s.frm6fast();
    for (int i = 34; i <= 41; ++i)
        fast.Text4[i].setText(settings::text(s, i % 2 == 0 ? settings::Box::MinNapp : settings::Box::MaxNapp));
    f.hide();
    s.frm1basic().Command3.setVisible(settings::on(s, settings::Switch::TestsEnabled));
}

void Command2_Click(Frm2opti& f) {
    for (const DefaultStep& d : DefaultOrder) {
        switch (d.what) {
            case Write::Box: f.Text1[d.index].setText(Boxes[static_cast<size_t>(d.index)].byDefault); break;
            case Write::Check: f.Check2[d.index].setValue(d.value); break;
            case Write::Option1: f.Option1[d.index].setValue(1); break;
            case Write::Option2: f.Option2[d.index].setValue(1); break;
        }
    }
}

}  // namespace opti

void attachFrm2opti(Session& s, Frm2opti& f) {
    for (int i = 0; i < settings::BoxCount; ++i) {
        f.Text1[i].onChange = [&f, i] { opti::Text1_Change(f, i); };
        f.Text1[i].onDblClick = [&f, i] { opti::Text1_DblClick(f, i); };
    }
    f.Command1.onClick = [&s] { opti::Command1_Click(s); };
    f.Command2.onClick = [&f] { opti::Command2_Click(f); };

    // Load.
    f.Option1[1].setValue(1);
    f.Option2[0].setValue(1);
}
