#include "passes/first/ninth_system.h"

#include <algorithm>
#include <string>

#include "forms/amounts.h"
#include "forms/convert.h"
#include "panels/frm3hgf.h"
#include "passes/first/hgf_statistics.h"
#include "passes/first/systems.h"
#include "routines/classify.h"
#include "settings/settings.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

namespace passes {

namespace ninth {

namespace {

constexpr size_t Twelve = 12;

}  // namespace

void restake(state::Sys9thState& st, std::optional<double> percent) {
    if (st.l_cwin4 >= 0) {
        st.l_basebet4 = 1;
    } else if (percent) {
        const double share = forms::roundEven(-static_cast<double>(st.l_cwin4) * *percent);
        const auto stake = static_cast<int64_t>(std::clamp(share, -1e12, 1e12));
        st.l_basebet4 = stake == 0 ? 1 : stake;
    }
}

SpinOut spin(state::Sys9thState& st, const SpinIn& in) {
    SpinOut out;
    auto& list = st.UniqueNumbers;  // entry 0 unused
    if (list.empty()) list.assign(1, 0);
    const auto holds = [&] { return std::find(list.begin() + 1, list.end(), in.x) != list.end(); };

    st.b_win = false;
    if (list.size() - 1 < Twelve) {
        st.b_pn = holds();
        if (!st.b_pn) list.push_back(in.x);
    }
    const bool playing = list.size() - 1 == Twelve;

    if (in.historyFull && playing && holds()) {
        st.b_win = true;
        st.i_lost = 0;
        if (!in.advisedWait) st.l_cwin4 = forms::satNarrow(int64_t{st.l_cwin4} + 24 * st.l_basebet4);
        out.restake = true;
        out.stake = SpinOut::Stake::Show;
        return out;
    }
    if (playing && !holds()) {  // renewal: the oldest makes way
        list.erase(list.begin() + 1);
        list.push_back(in.x);
    }
    if (playing && !in.historyFull) {
        st.l_basebet4 = 1;
        out.stake = SpinOut::Stake::Show;
    }
    if (in.historyFull && playing) {
        hgf::bump(st.i_lost);
        if (st.i_lost < 2) {
            out.stake = SpinOut::Stake::Show;
            st.l_cwin4 = forms::satNarrow(int64_t{st.l_cwin4} - 12 * st.l_basebet4);
        } else if (!in.advisedWait) {
            st.l_cwin4 = forms::satNarrow(int64_t{st.l_cwin4} - 12 * st.l_basebet4);
            out.stake = SpinOut::Stake::Wait;
        }
    }
    return out;
}

}  // namespace ninth

void ninthSystem(Session& s) {
    if (!settings::on(s, settings::Switch::NinthActive)) return;
    auto& main = s.frm1basic();
    const std::string& row1 = main.Text1[1].text();
    if (row1.empty()) return;
    ninth::SpinIn in;
    in.x = routines::spinOf(row1);
    if (in.x < 0 || in.x > 36) return;
    auto& f = s.frm3hgf();
    in.historyFull = !main.Text1[13].text().empty();
    in.advisedWait = f.Text3[1].text() == "wait";

    auto& st = s.st;
    const auto out = ninth::spin(st, in);
    if (out.restake) ninth::restake(st, settings::number(s, settings::Box::BaseBetPercentFromLost));
    using Stake = ninth::SpinOut::Stake;
    if (out.stake == Stake::Show) f.Text3[1].setNumber(st.l_basebet4);
    else if (out.stake == Stake::Wait) f.Text3[1].setText("wait");

    // At most the 37 numbers, so the text is built on the stack.
    const auto& unique = st.UniqueNumbers;
    if (unique.size() <= 38) {
        char buf[38 * 3];
        size_t len = 0;
        for (size_t i = 1; i < unique.size(); ++i) {
            if (i > 1) buf[len++] = ',';
            const int n = std::clamp(unique[i], 0, 36);  // as numberText shows it
            if (n >= 10) buf[len++] = static_cast<char>('0' + n / 10);
            buf[len++] = static_cast<char>('0' + n % 10);
        }
        f.Text3[0].setText({buf, len});
    } else {
        std::string shown;
        for (size_t i = 1; i < unique.size(); ++i) {
            if (i > 1) shown += ',';
            shown += hgf::numberText(unique[i]);
        }
        f.Text3[0].setText(shown);
    }
    f.Text3[2].setNumber(st.l_cwin4);
}

}  // namespace passes
