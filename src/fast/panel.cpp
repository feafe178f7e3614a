#include "fast/panel.h"

#include <string>
#include <type_traits>
#include <utility>

#include "fast/engine.h"
#include "fast/numbers_file.h"
#include "fast/skip.h"
#include "fast/twins.h"
#include "forms/convert.h"
#include "panels/frm6fast.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

namespace fast {

namespace {

constexpr int LspinBox = 5;

template <typename T>
std::string text(const T& v) {
    if constexpr (std::is_same_v<T, forms::Var>)
        return v.text();
    else
        return forms::numText(static_cast<int64_t>(v));
}

}  // namespace

void runFass28(Session& s) {
    Frm6fast& f = s.frm6fast();
    Frm1basic& m = s.frm1basic();
    auto& st = s.st;
    EngineInput in;
    for (size_t i = 0; i < in.rows.size(); ++i) in.rows[i] = m.Text1[static_cast<int>(i) + 1].text();
    in.skip = f.Text2[0].text();
    in.lastSpin = f.Text2[LspinBox].text();
    in.initBankrol = f.Text1[1].text();
    in.minBet = f.Text1[2].text();
    in.maxBet = f.Text1[3].text();
    in.cwin = f.Text1[4].text();
    in.l_20perc = st.l_20perc;
    in.s_elimnbr1 = st.s_elimnbr1;
    in.s_elimnbr2 = st.s_elimnbr2;
    const auto r = fass28(in);
    if (!r) return;

    const FassCounts& c = r->counts;
    st.l_1 = c.l_1;
    st.l_2 = c.l_2;
    st.l_3 = c.l_3;
    st.l_5 = c.l_5;
    st.l_8 = c.l_8;
    st.l_13 = c.l_13;
    st.l_16 = static_cast<int32_t>(c.l_16);
    st.SkipWindow = r->SkipWindow;
    st.i_counterskips = static_cast<int32_t>(r->SkipWindow.size());
    st.a_lowsearch = r->a_lowsearch;
    st.a_highsearch = r->a_highsearch;
    st.l_counter = r->selection.l_counter;
    st.s_string = r->selection.s_string;
    st.l_20perc = r->l_20perc;
    st.s_minlosebet = r->s_minlosebet;
    st.s_elimnbr1 = r->s_elimnbr1;
    st.s_elimnbr2 = r->s_elimnbr2;

    f.Text2[1].setText(r->seq);
    if (r->bbet) f.Text2[4].setText(*r->bbet);
    f.Text2[2].setText(r->selection.s_string);
    f.Text2[3].setText(r->elimText());
}

void writeLastSpin(Session& s, std::string_view text) {
    forms::Control& box = s.frm6fast().Text2[LspinBox];
    if (box.text() == text)
        runFass28(s);
    else
        box.setText(text);
}

void Command1_Click(Session& s) {
    auto& st = s.st;
    st.d_avgMx21 = 0;
    st.l_totalcwin21 = 0;
    st.napp2 = st.napp3 = 0;
    st.napp4 = 0;
    st.nonapp21st = 0;
    st.l_cwin21st = st.l_mincwin21st = st.i_maxnapp21st = 0;
    st.i_bbet21st = 1;
    st.i_maxnapp21st2 = st.i_maxnapp21st3 = st.i_maxnapp21st4 = 0;
    st.i_multipl21 = st.i_cycle21 = st.i_multipl212 = st.i_cycle212 = st.i_multipl213 = st.i_cycle213 = 0;
    st.i_multipl214 = 0;
    st.i_cycle214 = 0;
    st.i_bbet21st22 = st.i_bbet21st3 = 1;
    st.i_bbet21st4 = 1;
    st.l_cwin21st22 = st.l_mincwin21st2 = st.l_cwin21st3 = st.l_mincwin21st3 = st.l_cwin21st4 = st.l_mincwin21st4 = 0;

    // The NICHE board, in the order the reset has always shown it; l_cwin21st2 is shown, not reset.
    auto& box = s.frm6fast().Text4;
    const std::pair<int, std::string> shown[] = {
        {31, st.l_general_cnt.text()},
        {24, text(st.i_multipl212)},   {27, text(st.i_cycle212)},   {25, text(st.i_multipl213)},
        {28, text(st.i_cycle213)},     {26, text(st.i_multipl214)}, {29, text(st.i_cycle214)},
        {21, text(st.i_bbet21st22)},   {22, text(st.i_bbet21st3)},  {23, text(st.i_bbet21st4)},
        {15, text(st.l_cwin21st22)},   {18, text(st.l_mincwin21st2)}, {16, text(st.l_cwin21st3)},
        {19, text(st.l_mincwin21st3)}, {17, text(st.l_cwin21st4)},  {20, text(st.l_mincwin21st4)},
        {7, text(st.napp2)},           {10, text(st.i_maxnapp21st2)}, {8, text(st.napp3)},
        {11, text(st.i_maxnapp21st3)}, {9, text(st.napp4)},         {12, text(st.i_maxnapp21st4)},
        {30, text(st.l_totalcwin21)},  {0, text(st.nonapp21st)},    {1, text(st.l_cwin21st)},
        {2, text(st.l_cwin21st2)},     {13, text(st.i_multipl21)},  {14, text(st.i_cycle21)},
        {6, text(st.i_maxnapp21st)},   {5, text(st.l_mincwin21st)}, {3, text(st.i_bbet21st)},
    };
    for (const auto& [i, t] : shown) box[i].setText(t);
}

void Command2_Click(Session& s) {
    auto& st = s.st;
    Frm6fast& f = s.frm6fast();
    st.i_25cntplay = st.i_25nb = -1;
    st.i_25bbet = st.i_cw25 = 0;
    st.i_mincw25 = 0;
    st.i_25cntplay2 = st.i_25nb2 = -1;
    st.i_25bbet2 = st.i_cw252 = 0;
    st.i_mincw252 = 0;
    auto show = [&f](const TwinsDisplay& d, int64_t cwin, int64_t mincw, int64_t bb) {
        f.Text4[d.cwin].setText(text(cwin));
        f.Text4[d.mincw].setText(text(mincw));
        f.Text4[d.bb].setText(text(bb));
        f.Text4[d.seed].setText("-1");
        f.Text4[d.twin].setText("-1");
    };
    show(TwinsInstance1, st.i_cw25, st.i_mincw25, st.i_25bbet);
    show(TwinsInstance2, st.i_cw252, st.i_mincw252, st.i_25bbet2);
    f.Text4[TwinsInstance2.end].setText("0");
    f.Text4[97].setText("0");
    f.Text4[TwinsInstance1.end].setText("0");
    paintTwinsIdle(f, TwinsInstance1);
    paintTwinsIdle(f, TwinsInstance2);
}

void Command3_Click(Session& s) {
    auto& box = s.frm6fast().Text4;
    box[TwinsInstance1.seed].setText("0");
    box[TwinsInstance1.twin].setText("5");
    box[TwinsInstance2.seed].setText("31");
    box[TwinsInstance2.twin].setText("1");
}

void Check1_Click(Session& s) {
    Frm6fast& f = s.frm6fast();
    Frm1basic& m = s.frm1basic();
    const auto newest = forms::toInt64(m.Text1[1].text());
    const auto before = forms::toInt64(m.Text1[2].text());
    if (m.Text1[13].text().empty() || !newest || !before) {
        f.Check1.setValue(0);
    } else if (f.Check1.value() != 0) {
        f.Text2[0].setText(forms::numText(calc_skip(*before, *newest)));
        writeLastSpin(s, m.Text1[1].text());
        s.st.l_cwinfast = 0;
        s.st.l_cwinpartial = 0;
        f.Text1[4].setText(s.st.l_cwinfast.text());
    }
    m.SpinEntryBox().setFocus();
}

void Label5_Click(Session& s, int index) {
    forms::Control& selector = s.frm6fast().Label5[index];
    const auto prog = forms::toInt(selector.caption());
    if (!prog) return;
    switch (*prog) {
        case 0: selector.setCaption("1"); break;
        case 1: selector.setCaption("2"); break;
        case 2: selector.setCaption("0"); break;
        default: break;
    }
}

void Text1_Change(Session& s, int index) {
    if (index != 1) return;
    Frm6fast& f = s.frm6fast();
    const auto bank = forms::toInt(f.Text1[1].text());
    if (!bank) return;
    s.st.l_initbank = *bank;
    s.st.l_betmax = *bank * 0.013;
    s.st.l_betmin = *bank * 0.001;
    f.Text1[2].setText(s.st.l_betmin.text());
    f.Text1[3].setText(s.st.l_betmax.text());
}

void Text2_Change(Session& s, int index) {
    if (index == LspinBox) runFass28(s);
}

void attachFastActions(Session& s, Frm6fast& f) {
    f.Command1.onClick = [&s] { Command1_Click(s); };
    f.Command2.onClick = [&s] { Command2_Click(s); };
    f.Command3.onClick = [&s] { Command3_Click(s); };
    f.Command4.onClick = [&s] { Command4_Click(s); };
    f.Command5.onClick = [&s] { Command5_Click(s); };
    f.Check1.onClick = [&s] { Check1_Click(s); };
    f.Label5.forEach([&s](forms::Control& c) { c.onClick = [&s, i = c.index()] { Label5_Click(s, i); }; });
    f.Text1.forEach([&s](forms::Control& c) { c.onChange = [&s, i = c.index()] { Text1_Change(s, i); }; });
    f.Text2.forEach([&s](forms::Control& c) { c.onChange = [&s, i = c.index()] { Text2_Change(s, i); }; });
    s.st.i_counterskips = 0;
}

}  // namespace fast
