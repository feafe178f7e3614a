#include "passes/first/second_system.h"

#include "forms/convert.h"
#include "passes/first/systems.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

namespace passes {

namespace second {

namespace {

bool isDozen(std::string_view c) { return c == "L" || c == "M" || c == "H"; }

}  // namespace

bool settle(state::Sys2ndState& st, const Rows& t) {
    // The previous spin showed a bet when its rows 1 and 2 shared a dozen and row 3 did not.
    const bool shown = t[1] == t[2] && isDozen(t[1]) && t[3] != t[1];
    if (shown && ((t[3] != t[2] && t[0] == t[2] && t[1] == t[0]) || (t[2] == t[1] && t[0] == "0"))) {
        st.l_trend = 3;  // the advised dozens lost; step 8 books it
    } else if (t[3] == t[2] && t[0] == t[2] && t[1] == t[0]) {
        st.l_trend = 4;
    } else if (isDozen(t[1]) && t[2] == t[1] && t[0] != t[1]) {
        st.l_trend = 2;
        if (t[3] != t[2]) {
            // The dozen that came pays 3 stakes; the other dozen's stake is lost.
            st.l_cwin2 += 3 * st.l_basebet.value() - 2 * st.l_basebet.value();
            return true;
        }
    }
    return false;
}

Advice advise(state::Sys2ndState& st, const Rows& t, int64_t unit) {
    if (t[1] != t[3] && t[2] == t[1]) {
        if (t[1] == "L") return {Advice::Kind::Bet, "M,H "};
        if (t[1] == "M") return {Advice::Kind::Bet, "L,H "};
        if (t[1] == "H") return {Advice::Kind::Bet, "L,M "};
        return {Advice::Kind::Wait, {}};
    }
    if (st.l_trend == 3) {
        st.l_cwin2 -= 2 * st.l_basebet.value();
        st.l_basebet += static_cast<double>(unit);  // one unit more per loss; a win never lowers it
        st.l_trend = 0;
        return {Advice::Kind::Wait, {}};
    }
    return {};
}

}  // namespace second

namespace {

second::Rows classRows(Frm1basic& f) {
    return {f.Text2[0].text(), f.Text2[1].text(), f.Text2[2].text(), f.Text2[3].text()};
}

}  // namespace

void secondSystemSettle(Session& s) {
    auto& f = s.frm1basic();
    if (f.Check1.value() != 1) return;
    if (second::settle(s.st, classRows(f))) f.Text6.setText("wait");
}

void secondSystemAdvise(Session& s) {
    auto& f = s.frm1basic();
    if (f.Check1.value() != 1) return;
    const auto unit = forms::toInt(f.Text5.text());
    if (!unit) return;
    const auto advice = second::advise(s.st, classRows(f), *unit);
    if (advice.kind == second::Advice::Kind::Wait) {
        f.Text6.setText("wait");
    } else if (advice.kind == second::Advice::Kind::Bet) {
        char buf[8 + forms::NumTextMax];
        const size_t n = advice.dozens.copy(buf, advice.dozens.size());
        f.Text6.setText({buf, n + forms::numTextTo(buf + n, s.st.l_basebet.value())});
    }
    f.Text7.setNumber(int64_t{5} * *unit);
    f.Text9.setNumber(s.st.l_cwin2.value());
}

}  // namespace passes
