#include "panels/frm5help.h"

#include <array>
#include <string>
#include <vector>

#include "forms/convert.h"
#include "forms/layout.h"
#include "panels/captions.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

using forms::Control;
using forms::Geometry;
using forms::place;

namespace {

constexpr int BoxH = 20;
constexpr const char* MinConditionsTip = "min conditions to achieve pattern,particular numbers";

struct Figure {
    const char* name;
    int box;
    const char* design;
};

// Headings and figure boxes, with rows of captions over their boxes.
class Builder : public panels::Captions {
public:
    explicit Builder(Frm5help& f) : Captions(f.lbl), f_(f) {}

    Control& box(int i, Geometry g, const char* design, bool typed = false) {
        return panels::figureBox(f_.Text1.add(i), g, design, typed);
    }
    void row(int left, int top, int width, const std::vector<Figure>& figures) {
        for (const Figure& fig : figures) {
            over(f_.Text1.add(fig.box), fig.name, left, top, width, fig.design);
            left += width + 8;
        }
    }

private:
    Frm5help& f_;
};

}  // namespace

Frm5help::Frm5help() : forms::Form("frm5help") {
    setCaption("Statistics");
    setGeometry({60, 60, 660, 470});
    Builder b(*this);

    b.caption("Help under development", {12, 8, 300, 18}).setFont(9, true);
    b.caption("Caption note", {12, 38, 90, 18});
    panels::figureBox(Text2, {104, 36, 160, BoxH}, "1", true).setAlignment(0);
    place(Command1, {272, 34, 130, 24}).design("QTM cnt marker").setToolTip("Put the caption note into the main window's title");

    b.row(12, 72, 130, {{"Cumulative Cwin16", 0, "0"}, {"Cumulative Cwin17", 1, "0"}});

    // 18th colour patterns: one row per pattern, one column per figure.
    int y = 124;
    b.heading("18th colour patterns", 12, y, 300);
    y += 22;
    const std::array<std::pair<const char*, int>, 5> cols = {
        {{"Current", 70}, {"Cnt all", 70}, {"Max length", 80}, {"Nbr spins to last appear", 150}, {"Min conditions", 100}}};
    const std::array<std::array<int, 5>, 2> boxes = {{{14, 2, 5, 11, 8}, {15, 3, 6, 12, 10}}};
    const std::array<const char*, 2> patterns = {"Zig-Zag", "String"};
    int x = 100;
    for (size_t c = 0; c < cols.size(); ++c) {
        auto [name, width] = cols[c];
        Control& head = b.caption(name, {x, y, width, 18}, 2);
        const bool minimum = c == 4;
        if (minimum) head.setToolTip(MinConditionsTip);
        for (size_t r = 0; r < 2; ++r) {
            Control& box = b.box(boxes[r][c], {x + (width - 60) / 2, y + 20 + static_cast<int>(r) * 24, 60, BoxH},
                                 minimum ? (r == 0 ? "5" : "6") : "0", minimum);
            if (minimum) box.setToolTip(MinConditionsTip);
        }
        x += width + 6;
    }
    for (size_t r = 0; r < 2; ++r) b.caption(patterns[r], {12, y + 22 + static_cast<int>(r) * 24, 84, 18});
    y += 20 + 2 * 24 + 6;

    b.over(Text1.add(7), "Base bet", 12, y, 80, "3", true);
    b.row(100, y, 80, {{"Advice bet", 4, ""}, {"Bet amnt", 13, "0"}, {"CWin", 16, "0"}});
    Text1[4].setFont(10, true);
    y += 48;
    b.caption("Progression", {12, y + 2, 84, 18});
    b.box(9, {100, y, 520, BoxH}, "").setAlignment(0);
    y += 36;

    b.heading("Maximal COLs strings", 12, y, 300);
    y += 22;
    b.row(12, y, 80, {{"1stCOL", 18, "0"}, {"2ndCOL", 19, "0"}, {"3rdCOL", 20, "0"}});
    b.over(Text1.add(17), "Max20th", 300, y, 80, "0", true).setToolTip("Longest column run up to the newest spin; type 0 to restart it");
    y += 54;

    place(Label1.add(18), {12, y, 300, 18}).design("19th HGF ADV").setFont(9, true);
    y += 22;
    b.over(Text3, "Cwin19th", 12, y, 80, "");
    b.row(100, y, 80, {{"Loses", 21, ""}, {"Play numbers", 22, ""}});
}

void attachFrm5help(Session& s, Frm5help& f) {
    f.Command1.onClick = [&s, &f] {
        s.frm1basic().setCaption("Tarnhold roulette systems  " + f.CaptionNote().text());
        s.frm1basic().SpinEntryBox().setFocus();
    };

    // Load.
    f.Text1[0].setText(forms::numText(int64_t{s.st.l_culcwin16}));
    f.Text1[1].setText(forms::numText(int64_t{s.st.l_ccwin17all}));
}
