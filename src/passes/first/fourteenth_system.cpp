#include "passes/first/fourteenth_system.h"

#include <algorithm>
#include <utility>

#include "forms/convert.h"
#include "panels/frm3hgf.h"
#include "passes/first/systems.h"
#include "settings/settings.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

namespace passes {

namespace {

// Stakes stay far inside 64 bits, so that three stakes and any booking still fit.
constexpr int64_t StakeCap = 1'000'000'000'000'000;

int64_t capped(int64_t v) { return std::clamp(v, -StakeCap, StakeCap); }

bool isOneOf(int32_t v, std::initializer_list<int32_t> set) { return std::find(set.begin(), set.end(), v) != set.end(); }

class Dorvik {
public:
    Dorvik(state::Sys14thState& st, DorvikShown& out) : st_(st), out_(out) {}

    const std::string& R(int k) const {
        switch (k) {
            case 1: return st_.ss_1;
            case 2: return st_.ss_2;
            case 3: return st_.ss_3;
            case 4: return st_.ss_4;
            default: return st_.ss_5;
        }
    }
    bool pairTest() const { return R(1) != R(2) && R(1) != "0" && R(2) != "0"; }
    bool hits(int a, int b) const { return R(1) == R(a) || R(1) == R(b); }

    void freshList() { st_.i_list14.assign({0, 1}); }
    void showPair() { out_.bet = {R(1), R(2)}; }
    void showWait() { out_.bet = {"W", "W"}; }
    void startPair() {
        st_.i_status = 20;
        showPair();
    }

    // A won session is counted once, here, and the next one starts afresh at once.
    void closeSession() {
        st_.l_cwinall += 1;
        freshList();
        st_.i_bbet = 1;
        st_.l_cwinsession = 0;
        st_.i_status = 99;
        out_.listShown = true;
    }

    void loss(int32_t phase) {
        st_.l_cwinsession = capped(st_.l_cwinsession - 2 * st_.i_bbet);
        st_.i_status = phase;
        st_.b_dvflag = true;
        st_.i_list14.push_back(st_.i_bbet);
        st_.i_list14.push_back(st_.i_bbet);
        st_.i_bbet = capped(st_.i_list14[1] + st_.i_list14.back());
        out_.listShown = true;
    }

    void win() {
        st_.l_cwinsession = capped(st_.l_cwinsession + st_.i_bbet);
        if (st_.l_cwinsession > 0) {
            closeSession();
            return;
        }
        st_.i_status = 98;
        auto& list = st_.i_list14;
        if (list.size() > 2) {
            list.pop_back();
            list.erase(list.begin() + 1);
        }
        out_.listShown = true;
    }

    // The pair at rows (a, b) is bet in `phase`; a miss moves it to `next`.
    void settle(int32_t phase, int a, int b, int32_t next) {
        if (st_.i_status != phase || st_.b_dvflag) return;
        if (hits(a, b)) win();
        else loss(next);
    }

    void warmUp() {
        freshList();
        if (R(1) != R(2) && !R(2).empty() && R(1) != "0" && R(2) != "0") {
            showPair();
            st_.i_status = 0;
        } else if (R(1) == R(2) && !R(2).empty()) {
            st_.i_status = 1;
        } else {
            st_.i_status = 2;
        }
    }

    void rules() {
        st_.b_dvflag = false;
        if (st_.i_status == 0) {
            if (hits(2, 3)) {
                st_.l_cwinsession += st_.i_bbet;
                closeSession();
            } else {
                loss(11);
            }
        }
        settle(11, 3, 4, 12);
        settle(12, 4, 5, 13);
        if (R(1) == R(2) && !isOneOf(st_.i_status, {0, 11, 12, 13, 20, 21, 22, 98})) st_.i_status = 97;
        if (pairTest() && !isOneOf(st_.i_status, {0, 11, 12, 20, 21, 22})) {
            st_.b_dvflag = true;
            startPair();
        }
        settle(20, 2, 3, 21);
        settle(21, 3, 4, 22);
        settle(22, 4, 5, 23);
        if (st_.i_status == 98) {
            const auto& list = st_.i_list14;
            st_.i_bbet = list.size() == 2 ? list[1] : capped(list[1] + list.back());
            if (pairTest()) startPair();
            else showWait();
        }
        // The session was counted when it was won: only the next pair is chosen here.
        if (st_.i_status == 99) {
            if (pairTest()) startPair();
            else showWait();
        }
    }

private:
    state::Sys14thState& st_;
    DorvikShown& out_;
};

}  // namespace

std::string listText(const std::vector<int64_t>& list) {
    std::string out;
    char buf[forms::NumTextMax];
    for (size_t i = 1; i < list.size(); ++i) out.append(buf, forms::numTextTo(buf, list[i]));
    return out;
}

DorvikShown dorvikSpinInPlace(state::Sys14thState& st, const std::array<std::string_view, 5>& rows) {
    DorvikShown out;
    st.ss_1 = rows[0];
    st.ss_2 = rows[1];
    st.ss_3 = rows[2];
    st.ss_4 = rows[3];
    st.ss_5 = rows[4];
    Dorvik d(st, out);
    if (st.ss_3.empty()) d.warmUp();
    else d.rules();
    return out;
}

DorvikStep dorvikSpin(state::Sys14thState st, const std::array<std::string_view, 5>& rows) {
    DorvikShown shown = dorvikSpinInPlace(st, rows);
    DorvikStep out;
    out.st = std::move(st);
    out.bet = std::move(shown.bet);
    out.listShown = shown.listShown;
    return out;
}

void fourteenthSystem(Session& s) {
    if (!settings::on(s, settings::Switch::DorvikActive)) return;
    Frm1basic& m = s.frm1basic();
    const std::array<std::string_view, 5> rows = {m.Text2[1].text(), m.Text2[2].text(), m.Text2[3].text(),
                                                  m.Text2[4].text(), m.Text2[5].text()};
    auto& group = static_cast<state::Sys14thState&>(s.st);
    DorvikShown step = dorvikSpinInPlace(group, rows);

    Frm3hgf& f = s.frm3hgf();
    if (step.bet) {
        f.Text7[0].setText((*step.bet)[0]);
        f.Text7[1].setText((*step.bet)[1]);
    }
    if (step.listShown) f.Text8[0].setText(listText(group.i_list14));
    f.Text8[1].setNumber(group.i_bbet);
    f.Text8[2].setNumber(group.l_cwinsession);
    f.Text8[3].setNumber(group.l_cwinall);
}

}  // namespace passes
