#include "passes/first/low_high_doubling.h"

#include "forms/amounts.h"
#include "forms/convert.h"
#include "passes/first/systems.h"
#include "settings/settings.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

namespace passes {

namespace doubling {

namespace {

// cwin - bb / 2, the half kept exact and rounded halves to even.
int64_t lessHalf(int64_t cwin, int64_t bb) {
    const int64_t half = bb >> 1;  // floor: bb / 2 = half + (bb & 1) / 2
    if ((bb & 1) == 0) return forms::satSub(cwin, half);
    // cwin - half - 1/2 lies between below = cwin - half - 1 and below + 1: the even one of the two.
    const int64_t below = forms::satSub(cwin, half + 1);
    return forms::satAdd(below, below & 1);
}

}  // namespace

std::string_view step(state::EvenChanceDoublingState& st, int x, std::string_view advice, int64_t unit) {
    if (x == 0) {
        // Zero costs half the stake, but only on a half that was advised.
        if (advice.empty()) return advice;
        st.l_cwin5 = lessHalf(st.l_cwin5, st.l_bb);
        st.l_bb = forms::satMul(st.l_bb, 2);
        return advice;
    }
    const std::string_view half = x <= 18 ? "L" : "H";
    if (advice.empty()) return half;
    if (advice == half) {
        st.l_cwin5 = forms::satAdd(st.l_cwin5, st.l_bb);
        st.l_bb = unit;
    } else {
        st.l_cwin5 = forms::satSub(st.l_cwin5, st.l_bb);
        st.l_bb = forms::satMul(st.l_bb, 2);
    }
    return half;
}

}  // namespace doubling

void lowHighDoubling(Session& s) {
    auto& f = s.frm1basic();
    const std::string& row1 = f.Text1[1].text();
    if (row1.empty()) return;
    const auto x = forms::toInt(row1);
    const auto unit = settings::integer(s, settings::Box::FourthMultiplicator);
    if (!x || *x < 0 || *x > 36 || !unit) return;
    const std::string_view next = doubling::step(s.st, *x, f.Text8[2].text(), *unit);
    f.Text8[2].setText(next);
    f.Text8[3].setNumber(s.st.l_bb);
    f.Text8[1].setNumber(s.st.l_cwin5);
}

}  // namespace passes
