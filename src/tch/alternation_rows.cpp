#include "tch/alternation_rows.h"

#include <array>
#include <cmath>
#include <optional>

#include "panels/frm7tch.h"
#include "routines/ladder_table.h"
#include "routines/ladders.h"
#include "shell/session.h"
#include "tch/fields.h"

namespace tch {

Paint alternationSpin(AlternationFields& f, const AlternationInputs& in) {
    const int64_t L = in.limit;
    bool green = in.green;
    Paint p = Paint::None;

    if (in.trigger && !green) {
        f.step = 0;
        f.bb = 1;
        green = true;
        p = Paint::Bet;
    }
    if (green) {
        if (f.step >= 1 && f.step <= L - 1) {
            if (in.inPair) {
                f.cwin += 34 * f.bb;
                f.bb = 1;
                f.step = 0;
                f.lossRun = 0;
                ++f.cntW;
                p = Paint::Idle;
            } else {
                ++f.step;
                f.cwin -= 2 * f.bb;
            }
        } else if (f.step == L) {
            // The spin after the last miss closes the run unsettled.
            ++f.cntL;
            ++f.lossRun;
            f.bb = 1;
            f.step = 0;
            p = Paint::Idle;
        } else if (f.step == 0) {
            f.step = 1;
        }
    }
    f.bb = routines::LadderTable<routines::Ladder2nb60>::stake(f.step);  // f_2nbprog60
    if (f.cwin < 0 && f.bb < 1) f.bb = 1;
    if (f.bb > f.bbMx) f.bbMx = f.bb;
    if (f.cwin < f.cwMin) f.cwMin = f.cwin;
    return p;
}

namespace {

struct Named {
    int64_t St::*cwin;
    int64_t St::*cwMin;
    int64_t St::*bb;
    int64_t St::*step;
    int64_t St::*bbMx;
    int64_t St::*cntW;
    int64_t St::*cntL;
    int64_t St::*lossRun;
};

constexpr Named NamedRows[AlternationRowCount] = {
    {&St::l_cwin2210, &St::l_mincw2210, &St::i_bbet2210, &St::i_cnt2210, &St::i_bbmax2210, &St::l_cntw2210,
     &St::l_cntl2210, &St::i_cntlos2210},
    {&St::l_cwin2211, &St::l_mincw2211, &St::i_bbet2211, &St::i_cnt2211, &St::i_bbmax2211, &St::l_cntw2211,
     &St::l_cntl2211, &St::i_cntlos2211},
    {&St::l_cwin2212, &St::l_mincw2212, &St::i_bbet2212, &St::i_cnt2212, &St::i_bbmax2212, &St::l_cntw2212,
     &St::l_cntl2212, &St::i_cntlos2212},
};

AlternationFields load(const St& st, const Named& n) {
    return {st.*n.cwin, st.*n.cwMin, st.*n.bb, st.*n.step, st.*n.bbMx, st.*n.cntW, st.*n.cntL, st.*n.lossRun};
}

void store(St& st, const Named& n, const AlternationFields& f) {
    st.*n.cwin = f.cwin;
    st.*n.cwMin = f.cwMin;
    st.*n.bb = f.bb;
    st.*n.step = f.step;
    st.*n.bbMx = f.bbMx;
    st.*n.cntW = f.cntW;
    st.*n.cntL = f.cntL;
    st.*n.lossRun = f.lossRun;
}

// A pair box holds a whole number, or matches nothing.
std::optional<int64_t> pairNumber(const forms::Control& box) {
    if (auto w = wholeNumber(box.text())) return w;  // plain digits, read in place
    auto v = forms::toDouble(box.text());
    if (!v || *v != std::floor(*v) || std::fabs(*v) > 1e9) return std::nullopt;
    return static_cast<int64_t>(*v);
}

}  // namespace

namespace {

[[gnu::always_inline]] inline void bookRow(Session& s, Frm7tch& w, int row, const Recent& h) {
    const auto& b = tchbox::AlternationRows[static_cast<size_t>(row)];
    const int spin = h.spin();
    // A limit that is not a whole number: the row sits this spin out.
    const auto limit = wholeLimit(w.Text1[b.limit]);
    if (!limit) return;
    auto& label = w.Label1[b.label];
    const bool hasRow2 = h.row[2] >= 0;

    AlternationInputs in;
    in.limit = *limit;
    in.green = label.foreColor() == Bet;
    switch (row) {
        case 0:  // "26,14-26,14"
            in.trigger = in.inPair = spin == 14 || spin == 26;
            break;
        case 1: {  // "GO": the pair the player typed; both must be whole numbers
            auto a = pairNumber(w.Text1[tchbox::GoPairFirst]);
            auto c = pairNumber(w.Text1[tchbox::GoPairSecond]);
            in.inPair = a && c && (spin == *a || spin == *c);
            in.trigger = in.inPair && hasRow2;
            break;
        }
        default:  // "31-13,35"
            in.trigger = spin == 31 && hasRow2;
            in.inPair = spin == 13 || spin == 35;
            break;
    }

    const Named& n = NamedRows[row];
    const AlternationFields before = load(s.st, n);
    AlternationFields f = before;
    const Paint p = alternationSpin(f, in);
    store(s.st, n, f);

    paint(label, p);
    put(w.Text1, b.cwin, before.cwin, f.cwin);
    put(w.Text1, b.cwMin, before.cwMin, f.cwMin);
    put(w.Text1, b.bb, before.bb, f.bb);
    put(w.Text1, b.bbMx, before.bbMx, f.bbMx);
    put(w.Text1, b.cntW, before.cntW, f.cntW);
    put(w.Text1, b.cntL, before.cntL, f.cntL);
    put(w.Text1, b.lossRun, before.lossRun, f.lossRun);
}

}  // namespace

void bookAlternationRows(Session& s, Frm7tch& w, const Recent& h) {
    for (int row = 0; row < AlternationRowCount; ++row) bookRow(s, w, row, h);
}

void bookSwitchRow(Session& s, Frm7tch& w) {
    auto& st = s.st;
    if (w.Label1[tchbox::SwitchLabel].backColor() == Bet) {
        st.i_bbet2213 = routines::LadderTable<routines::Ladder3nb30>::stake(st.i_cnt2213);  // f_3nbprog30
        ++st.i_cnt2213;
    } else {
        st.i_cnt2213 = 0;
    }
    w.Text1[tchbox::SwitchStake].setNumber(st.i_bbet2213);
    // A length that is not a number leaves the spins-left box as it was.
    if (auto length = forms::toInt(w.Text1[tchbox::SwitchLength].text()))
        w.Text1[tchbox::SwitchLeft].setNumber(int64_t{*length} - st.i_cnt2213);
}

}  // namespace tch
