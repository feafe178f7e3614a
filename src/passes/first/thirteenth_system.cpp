#include "passes/first/thirteenth_system.h"

#include "forms/convert.h"
#include "panels/frm6fast.h"
#include "passes/first/systems.h"
#include "routines/classify.h"
#include "routines/ladders.h"
#include "settings/settings.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

namespace passes {

namespace {

constexpr std::array<int32_t, 8> Fibonacci = {1, 2, 3, 5, 8, 13, 21, 34};
constexpr forms::Color Betting = forms::colors::Green;
constexpr forms::Color AfterWin = forms::colors::Black;

}  // namespace

FiboStep fiboSpin(state::Sys13thState st, int n, std::optional<double> nonLimit) {
    FiboStep out;
    st.b_fiboflag = false;
    st.FiboNumbers = Fibonacci;
    const int64_t stake = st.i_bbetfibo;
    for (int32_t number : st.FiboNumbers) {
        if (number != n) continue;
        if (st.b_fiboflag2) {
            st.l_cwinfibo += 36 * stake - 8 * stake;
            st.b_fiboflag2 = false;
            out.mark = FiboMark::Won;
        }
        st.l_fibocnt += 1;
        st.l_fibononcnt = 0;
        st.b_fiboflag = true;
        break;
    }
    if (!st.b_fiboflag) {
        st.l_fibononcnt += 1;
        if (st.b_fiboflag2) {
            st.l_cwinfibo -= 8 * stake;
            st.i_bbetfibo = routines::fibobet(st.i_bbetfibo, st.l_cwinfibo);
        }
    }
    if (st.l_cwinfibo < st.l_maxcwin) st.l_maxcwin = st.l_cwinfibo;
    out.shownStake = st.i_bbetfibo;
    // Compared for equality: further misses while betting do not restart it.
    if (nonLimit && static_cast<double>(st.l_fibononcnt) == *nonLimit) {
        st.b_fiboflag2 = true;
        st.i_bbetfibo = 1;
        out.mark = FiboMark::Betting;
    }
    out.st = st;
    return out;
}

void thirteenthSystem(Session& s) {
    if (!settings::on(s, settings::Switch::FiboActive)) return;
    const int n = routines::spinOf(s.frm1basic().Text1[1].text());
    auto& group = static_cast<state::Sys13thState&>(s.st);
    const FiboStep step = fiboSpin(group, n, settings::number(s, settings::Box::FiboNONnbrs));
    group = step.st;

    Frm6fast& f = s.frm6fast();
    f.Text3[4].setNumber(group.l_maxcwin);
    f.Text3[0].setNumber(step.shownStake);
    f.Text3[1].setNumber(group.l_cwinfibo);
    f.Text3[2].setNumber(group.l_fibononcnt);
    f.Text3[3].setNumber(group.l_fibocnt);
    if (step.mark == FiboMark::Won) f.Label2[16].setBackColor(AfterWin);
    if (step.mark == FiboMark::Betting) f.Label2[16].setBackColor(Betting);
}

}  // namespace passes
