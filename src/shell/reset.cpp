#include "shell/reset.h"

#include <algorithm>

#include "forms/convert.h"
#include "panels/frm3hgf.h"
#include "panels/frm6fast.h"
#include "panels/frm7tch.h"
#include "passes/first/seventh_system.h"
#include "routines/state_value.h"
#include "settings/settings.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

namespace shell {

namespace colors = forms::colors;
using settings::Switch;

namespace {

constexpr forms::Color HighlightText = 0x80000009;  // the unmarked history row

void clearHistory(Session& s, Frm1basic& f) {  // 1
    auto& st = s.st;
    st.l_ll = 0;
    st.l_mm = 0;
    st.l_hh = 0;
    for (int i = 0; i < 3; ++i) f.Text3[i].setText("0");
    for (int i = 0; i <= 28; ++i) {
        f.Text1[i].setText("");
        f.Text2[i].setText("");
    }
}

void resetSecondSystem(Session& s, Frm1basic& f) {  // 2
    auto& st = s.st;
    st.l_basebet = 1;
    st.l_cwin2 = 0;
    f.Command1.setBackColor(colors::Yellow);
    f.Text9.setBackColor(colors::Black);
    f.Text9.setText("0");
    st.l_trend = 0;
    f.Text5.setText("1");  // its handler sets the base bet and the stop loss again
    f.Text6.setText("");
    f.Command1.setCaption("Spins: 0");
}

void resetTrendMarking(Session& s, Frm1basic& f) {  // 3
    auto& st = s.st;
    f.Text10.setVisible(false);
    st.l_ll2 = 0;
    st.b_trend = false;
    st.l_mm2 = 0;
    st.l_hh2 = 0;
}

void resetFourthSystem(Session& s, Frm1basic& f) {  // 4
    // Rows beyond the history do not exist: the count is clamped to 28.
    const int rows = settings::historyRows(s, settings::Box::TrendCounter).value_or(0);
    for (int i = 1; i <= rows; ++i) {
        f.Text2[i].setBackColor(HighlightText);
        f.Text1[i].setBackColor(HighlightText);
    }
    f.Text8[0].setVisible(false);
    f.Text10.setVisible(false);
    f.SpinEntryBox().setFocus();
}

void resetFirstSystem(Session& s, Frm1basic& f) {  // 5
    f.Text4[0].setText("");
    f.Text4[1].setText("0");
    f.Text4[2].setText("1");
    s.st.l_cwin1 = 0;
    s.st.l_bbet1 = 1;  // the stake "1" shown is the real one
}

void resetFifthSystem(Frm1basic& f) {  // 6
    for (int i = 0; i <= 11; ++i) {
        f.Text11[i].setText("0");
        f.Text11[i].setBackColor(colors::Black);
    }
    f.Text12.setText("wait");
}

void resetSixthSystem(Session& s, Frm1basic& f) {  // 7
    auto& st = s.st;
    st.l_1col = 0;
    st.l_2col = 0;
    st.l_3col = 0;
    for (int i = 0; i < 3; ++i) {
        f.Text13[i].setText("0");
        f.Text13[i].setBackColor(colors::ButtonText);
    }
    f.Text14.setText("");
}

void resetSeventhSystem(Session& s, Frm1basic& f) {  // 8
    auto& st = s.st;
    st.s_bet.clear();
    st.l_cwin3 = 0;
    st.l_mrbasebet = 1;
    st.l_betnbrs = 0;
    passes::seventh::clearRecord(st, routines::asInt(st.l_general_cnt));
    st.b_exit = true;
    st.b_exit2 = false;
    f.Text15[3].setText("");
    f.Text15[0].setText("");
    f.Text15[1].setNumber(st.l_mrbasebet);
    f.Text15[2].setNumber(st.l_cwin3);
}

void resetSpinCount(Session& s, Frm1basic& f) {  // 9
    s.st.l_general_cnt = 0;
    f.Command1.setCaption("Spins: 0");
}

void resetHgfStatistics(Session& s) {  // 10
    auto& st = s.st;
    // Every per-number table, so no old gap survives into the "Theory index".
    st.HgfHitCount.fill(0);
    st.HgfGapCount.fill(0);
    st.HgfValue.fill(0);
    st.HgfGapRatio.fill(0);
    st.l_general_cnt2 = 0;
    auto& hgf = s.frm3hgf();
    for (int i = 0; i <= 36; ++i) {
        hgf.Text1[i].setText("0");
        hgf.Text2[i].setText("0");
    }
    st.HgfListItems = {};
    std::fill_n(st.HgfListedFlag.begin(), 37, false);
}

void resetNinthSystem(Session& s) {  // 11
    auto& hgf = s.frm3hgf();
    hgf.Text3[0].setText("");
    hgf.Text3[1].setText("wait");  // no bet is shown until twelve numbers are known again
    hgf.Text3[2].setText("0");
    auto& st = s.st;
    st.b_win = false;
    st.i_lost = 0;
    st.l_basebet4 = 1;
    st.l_cwin4 = 0;
    st.UniqueNumbers.assign(1, 0);
}

void resetAlways(Session& s, Frm1basic& f) {  // 12
    auto& st = s.st;
    // 1. Low/high doubling.
    st.l_bb = 1;
    st.l_cwin5 = 0;
    f.Text8[2].setText("");
    f.Text8[3].setText("1");
    f.Text8[1].setText("0");
    // 2. 11th system.
    st.l_count11 = 0;
    st.flag11 = false;
    st.SixLineHitCount.fill(0);
    st.SixLineGapCount.fill(0);
    st.SixLineValue.fill(0);
    // 3. The 24th system's tables; its list holds the end mark, as at start.
    st.IgScore.fill(0);
    st.IgScoreSorted.fill(0);
    st.IgBetNumbers.assign(1, forms::Var(-2));
    // 4. 24th system.
    st.d_grat = 0.0;
    st.l_cw24 = 0;
    st.i_bb24 = 1;
    st.l_min_cw24 = 0;
    st.b_cwminus = false;
    st.i_max_bb24 = 1;
    auto& fast = s.frm6fast();
    fast.Text4[63].setText("");
    fast.Text4[64].setText("");
    fast.Text4[65].setNumber(st.d_grat);
    fast.Text4[66].setNumber(st.l_cw24.value());
    fast.Text4[67].setNumber(st.l_min_cw24);
    fast.Text4[69].setNumber(st.i_bb24);
    st.i_1nb = -1;
    // 5. "2NB prog"; it has no result box of its own on the FAST panel.
    st.l_cw2nb = 0;
    st.i_2nbvalue = 1;
    st.i_2nbcnt = 0;
    st.i_2nb = -1;
    f.Label10[0].setNumber(st.i_2nbvalue);
    f.Label10[1].setNumber(st.i_2nbcnt);
    st.b_2nb = false;
    // 6. The column codes of the history.
    for (int i = 0; i <= 28; ++i) {
        f.Label5[i].setCaption("");
        f.Label5[i].setBackColor(colors::White);
    }
    // 7. Every number unseen again.
    st.NumberIdentity = state::TchNumberState::identity();
    // 8. The one-number progression of the "TCh" window.
    st.i_28bbet = 1;
    st.i_28cnt = 1;
    st.l_28cwin = 0;
    st.i_28cnt2 = 0;
    st.l_28cwinmin = 0;
    auto& tch = s.frm7tch();
    tch.Text1[195].setNumber(st.l_28cwin);
    tch.Text1[196].setNumber(st.l_28cwinmin);
    tch.Text1[197].setNumber(st.i_28bbet);
    tch.Text1[198].setNumber(st.i_28cnt);
}

}  // namespace

void Command2_Click(Session& s) {
    auto& f = s.frm1basic();
    if (settings::on(s, Switch::ResetGeneral)) clearHistory(s, f);
    if (f.Check1.value() == 1) resetSecondSystem(s, f);
    if (settings::on(s, Switch::Reset3rd)) resetTrendMarking(s, f);
    if (settings::on(s, Switch::Reset4th)) resetFourthSystem(s, f);
    if (f.Check2.value() == 1) resetFirstSystem(s, f);
    if (settings::on(s, Switch::Reset5th)) resetFifthSystem(f);
    if (settings::on(s, Switch::Reset6th)) resetSixthSystem(s, f);
    if (f.Check3.value() == 1) resetSeventhSystem(s, f);
    if (settings::on(s, Switch::ResetGeneral)) resetSpinCount(s, f);
    if (settings::on(s, Switch::Reset8th)) resetHgfStatistics(s);
    if (settings::on(s, Switch::NinthActive)) resetNinthSystem(s);
    resetAlways(s, f);
}

}  // namespace shell
