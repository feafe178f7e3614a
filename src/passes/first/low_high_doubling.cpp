#include "passes/first/low_high_doubling.h"

#include <limits>

#include "forms/convert.h"
#include "passes/first/systems.h"
#include "settings/settings.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

namespace passes {

namespace doubling {

namespace {

constexpr int64_t Max = std::numeric_limits<int64_t>::max();
constexpr int64_t Min = std::numeric_limits<int64_t>::min();

int64_t saturate(__int128 v) {
    return v > Max ? Max : v < Min ? Min : static_cast<int64_t>(v);
}

int64_t doubled(int64_t bb) { return saturate(static_cast<__int128>(bb) * 2); }

// cwin - bb / 2, the half kept exact and rounded halves to even.
int64_t lessHalf(int64_t cwin, int64_t bb) {
    const __int128 twice = static_cast<__int128>(cwin) * 2 - bb;
    __int128 q = twice / 2;  // toward zero
    if (twice % 2 != 0) {
        const __int128 lo = twice < 0 ? q - 1 : q;  // the two neighbours of a half
        q = (lo % 2 == 0) ? lo : lo + 1;
    }
    return saturate(q);
}

}  // namespace

std::string_view step(state::EvenChanceDoublingState& st, int x, std::string_view advice, int64_t unit) {
    if (x == 0) {
        // Zero costs half the stake, but only on a half that was advised.
        if (advice.empty()) return advice;
        st.l_cwin5 = lessHalf(st.l_cwin5, st.l_bb);
        st.l_bb = doubled(st.l_bb);
        return advice;
    }
    const std::string_view half = x <= 18 ? "L" : "H";
    if (advice.empty()) return half;
    if (advice == half) {
        st.l_cwin5 = saturate(static_cast<__int128>(st.l_cwin5) + st.l_bb);
        st.l_bb = unit;
    } else {
        st.l_cwin5 = saturate(static_cast<__int128>(st.l_cwin5) - st.l_bb);
        st.l_bb = doubled(st.l_bb);
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
