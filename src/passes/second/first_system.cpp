#include "passes/second/first_system.h"

#include "forms/convert.h"
#include "passes/second/systems.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

namespace passes {

namespace {

bool isDozen(std::string_view t) { return t == "L" || t == "M" || t == "H"; }

void advise(FirstSystemState& st) {
    st.advice0 = st.s_1;
    st.advice3 = st.s_2;
}

enum class Outcome { None, Win, Loss };

// The tests once three rows are known; the first that holds decides.
Outcome settle(FirstSystemState& st, std::string_view d1, std::string_view d2) {
    const bool fresh = st.s_1 != st.s_2 && st.s_1 != st.s_3;
    if (fresh && st.l_trend1 == 1) {
        // The newest dozen is the one that slept: a loss, as in state 2 below.
        advise(st);
        return Outcome::Loss;
    }
    if (st.s_1 == st.s_2 || (st.s_1 == st.s_3 && st.l_trend1 == 2) || st.s_1 == st.advice0 ||
        (st.s_1 == st.advice3 && st.l_trend1 == 2))
        return Outcome::Win;
    if (fresh && st.l_trend1 == 2) {
        advise(st);
        return Outcome::Loss;
    }
    if (st.l_trend1 == 1 && d1 != d2) {
        advise(st);
        st.l_trend1 = 2;
    }
    return Outcome::None;
}

}  // namespace

void firstSystemSpin(FirstSystemState& st, int spin, std::string_view d1, std::string_view d2,
                     std::string_view d3) {
    // A zero keeps the classes of the last spin that fell in a dozen.
    if (spin != 0) {
        st.s_1 = d1;
        st.s_2 = d2;
        st.s_3 = d3;
    }
    // Only a bet that was on the table is settled.
    const bool shown = isDozen(st.advice0) && isDozen(st.advice3);
    Outcome outcome = Outcome::None;

    if (spin == 0) {
        // Both stakes lose, and the tests below would settle the previous spin once more.
        if (!st.advice0.empty() && !st.advice3.empty()) st.l_cwin1 -= 2 * st.l_bbet1;
    } else if (!st.s_3.empty()) {
        outcome = settle(st, d1, d2);
    }
    if (st.s_3.empty()) {
        if (st.s_1 != st.s_2 && !st.s_2.empty()) {
            advise(st);
            st.l_trend1 = 1;
        } else if (st.s_1 == st.s_2 && !st.s_2.empty()) {
            st.l_trend1 = 3;
        } else {
            st.l_trend1 = 2;
        }
    }

    if (shown && outcome == Outcome::Loss) st.l_cwin1 -= 2 * st.l_bbet1;
    if (shown && outcome == Outcome::Win) {
        // One dozen returns three stakes; two were staked.
        st.l_cwin1 += st.l_bbet1;
        st.l_bbet1 = st.l_cwin1 >= 0 ? 1 : st.l_bbet1 + 1;
    }
    if (st.l_cwin1 < 0) st.l_bbet1 += 1;
}

void firstSystem(Session& s) {
    auto& f = s.frm1basic();
    if (f.Check2.value() != 1) return;
    // An empty or foreign newest row leaves the system as it stands.
    const auto spin = forms::toInt(f.Text1[1].text());
    if (!spin) return;

    auto& st = s.st;
    FirstSystemState core{st.s_1, st.s_2, st.s_3, static_cast<int64_t>(st.l_trend1.value()),
                          st.l_cwin1, st.l_bbet1, f.Text4[0].text(), f.Text4[3].text()};
    firstSystemSpin(core, *spin, f.Text2[1].text(), f.Text2[2].text(), f.Text2[3].text());

    st.s_1 = std::move(core.s_1);
    st.s_2 = std::move(core.s_2);
    st.s_3 = std::move(core.s_3);
    st.l_trend1 = core.l_trend1;
    st.l_cwin1 = core.l_cwin1;
    st.l_bbet1 = core.l_bbet1;
    f.Text4[0].setText(core.advice0);
    f.Text4[3].setText(core.advice3);
    f.Text4[1].setNumber(core.l_cwin1);
    f.Text4[2].setNumber(core.l_bbet1);
}

}  // namespace passes
