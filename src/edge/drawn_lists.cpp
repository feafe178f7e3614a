#include "edge/column_rows.h"
#include "edge/edge_boxes.h"
#include "edge/sections.h"
#include "forms/convert.h"
#include "panels/frm7tch.h"
#include "routines/ladder_table.h"
#include "routines/ladders.h"

namespace edge {

namespace {

// The figures of a list joined by commas, written to the caption once.
// An empty variable adds nothing, not even its comma.
void showJoined(forms::Control& label, std::initializer_list<const forms::Var*> items, Line& out) {
    for (const forms::Var* v : items) {
        if (!out.empty()) out.add(',');
        out.add(*v);
    }
    label.setCaption(out.view());
}

}  // namespace

forms::Control* const* listBoxes(Frm7tch& f) {
    std::vector<forms::Control*>& c = f.listBoxes;
    if (c.empty())
        for (int i : ListBoxes) c.push_back(&f.Text1[i]);
    return c.data();
}

void drawnThreeList(Session& s) {
    auto& st = s.st;
    auto& f = s.frm7tch();
    const Row t1 = historyRow(s, 1);
    const int n = t1.value_or(0);
    if (!historyText(s, 2).empty() && f.Check1.value() != 1) {
        drawnThreeSettle(st, n, !historyText(s, 3).empty());
        forms::Control* const* box = listBoxes(f);
        box[0]->setNumber(st.i_bbet35);
        box[1]->setNumber(st.i_maxbbet35);
        box[2]->setNumber(st.l_cwin35);
        box[3]->setNumber(st.l_mincwin35);
        box[4]->setNumber(st.i_maxcntnon35);
    }
    drawnThreeDraw(st, n, s.localTime());
    Line three;
    showJoined(f.Label1[54], {&st.xi, &st.yi, &st.ni}, three);
    Line recent;
    recent.add(historyText(s, 1));
    recent.add(',');
    recent.add(historyText(s, 2));
    f.Label1[53].setCaption(recent.view());
}

void drawnFiveLists(Session& s) {
    auto& st = s.st;
    auto& f = s.frm7tch();
    const bool go = f.Check1.value() == 1;
    if (drawnFiveStep(st, historyRow(s, 1), !historyText(s, 2).empty(), go)) {
        Line x;
        showJoined(f.Label1[55], {&st.X1, &st.X2, &st.X3, &st.x4, &st.x5}, x);
        Line y;
        for (const forms::Var* v : {&st.Y1, &st.Y2, &st.Y3, &st.y4}) {
            if (!y.empty()) y.add(',');
            y.add(*v);
        }
        y.add(',');
        y.add(int64_t{st.y5});
        f.Label1[56].setCaption(y.view());
    }
    forms::Control* const* box = listBoxes(f) + 5;
    box[0]->setNumber(st.i_cntnon35_3);
    box[1]->setNumber(st.i_cntWin35);
    box[2]->setNumber(st.i_cntLos35);
    box[3]->setNumber(st.i_bbet35_3);
    box[4]->setNumber(int64_t{st.i_maxbbet35_3});
    box[5]->setNumber(st.l_cwin35_3);
    box[6]->setNumber(int64_t{st.l_mincwin35_3});
    if (go) {
        const auto count = static_cast<int64_t>(st.i_cntnon35_2.value());
        box[7]->setNumber(int64_t{routines::LadderTable<routines::Ladder5nb29>::stake(count)});  // f_5nbprog29
    }
}

}  // namespace edge
