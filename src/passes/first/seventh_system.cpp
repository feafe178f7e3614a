#include "passes/first/seventh_system.h"

#include <algorithm>

#include "forms/convert.h"
#include "passes/first/systems.h"
#include "routines/state_value.h"
#include "routines/streets.h"
#include "settings/settings.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

namespace passes {

namespace seventh {

namespace {

bool listHolds(std::string_view list, int x) {
    char buf[forms::NumTextMax];
    const std::string_view item(buf, forms::numTextTo(buf, int64_t{x}));
    size_t start = 0;
    while (start <= list.size()) {
        size_t end = list.find(',', start);
        if (end == std::string_view::npos) end = list.size();
        if (list.substr(start, end - start) == item) return true;
        start = end + 1;
    }
    return false;
}

// The street of x becomes the last street, and its two partners are appended to the list.
void addPartners(state::Sys7thState& st, int x) {
    const int street = routines::getstreet(x);
    st.i_laststreet = street;
    if (const auto p = routines::findtwonbrs(street, x)) {
        st.i_num1 = p->first;
        st.i_num2 = p->second;
    }
    if (!st.s_bet.empty()) st.s_bet += ',';
    st.s_bet += st.i_num1.text();
    st.s_bet += ',';
    st.s_bet += forms::numText(st.i_num2);
}

void record(state::Sys7thState& st, int x, int64_t spinCount) {
    if (spinCount < 1) return;
    const auto k = static_cast<size_t>(spinCount - 1);
    // The record grows with the spin count rather than stopping at its first size.
    if (k >= st.StreetSpinRecord.size()) st.StreetSpinRecord.resize(std::max(k + 1, st.StreetSpinRecord.size() * 2), 0);
    st.StreetSpinRecord[k] = x;
}

bool seenBefore(const state::Sys7thState& st, int x, int64_t spinCount) {
    // Only the spins before this one: stale entries past a count reset never count.
    const auto& r = st.StreetSpinRecord;
    const auto n = static_cast<size_t>(std::clamp<int64_t>(spinCount - 1, 0, static_cast<int64_t>(r.size())));
    return std::find(r.begin(), r.begin() + static_cast<std::ptrdiff_t>(n), x) != r.begin() + static_cast<std::ptrdiff_t>(n);
}

}  // namespace

void clearRecord(state::Sys7thState& st, int64_t last) {
    auto& r = st.StreetSpinRecord;
    const auto n = static_cast<size_t>(std::clamp<int64_t>(last + 1, 0, static_cast<int64_t>(r.size())));
    std::fill_n(r.begin(), n, -1);
}

void step(state::Sys7thState& st, const Spin& in) {
    const int x = in.x;
    const int64_t bb = st.l_mrbasebet;
    if (in.startsRun && x != 0) {
        // A run starts on the first spin of an empty history and books nothing.
        st.s_bet.clear();
        addPartners(st, x);
        st.l_betnbrs = 2;
    } else if (!st.s_bet.empty()) {
        if (x != 0 && listHolds(st.s_bet, x)) {
            st.l_cwin3 += 36 * bb - bb * st.l_betnbrs;
            st.b_exit = true;
            if (st.l_cwin3 > 0 || st.l_cwin3 < in.stopLoss) {
                st.s_bet.clear();
                st.l_mrbasebet = 1;
                clearRecord(st, in.spinCount);
            } else {
                st.l_mrbasebet += 1;
                st.l_betnbrs -= 2;
                st.s_bet = routines::rem_twonbrs(x, st.s_bet);
            }
        } else if (x == 0) {
            // Zero loses the stakes on the list and never enters it.
            st.l_cwin3 -= bb * st.l_betnbrs;
            st.b_exit = true;
            st.b_exit2 = true;
        } else if (seenBefore(st, x, in.spinCount) && routines::add_twonbrs(x, st.s_bet) == 1) {
            st.l_cwin3 -= bb * st.l_betnbrs;
            st.b_exit = true;
            st.b_exit2 = true;
        } else {
            st.b_exit = false;
            st.b_exit2 = false;
        }
        if (!st.b_exit) {
            st.l_cwin3 -= bb * st.l_betnbrs;  // the stakes on the list before it grows are lost
            addPartners(st, x);
            st.l_betnbrs += 2;
        }
    }
    record(st, x, in.spinCount);
}

void display(std::string_view sbet, std::string& head, std::string& tail) {
    head.clear();
    tail.clear();
    if (sbet.size() <= 40) {
        tail.assign(sbet);
        return;
    }
    size_t start = 0;
    while (start <= sbet.size()) {
        size_t end = sbet.find(',', start);
        if (end == std::string_view::npos) end = sbet.size();
        std::string& box = head.size() < 40 ? head : tail;
        box += ',';
        box += sbet.substr(start, end - start);
        start = end + 1;
    }
}

}  // namespace seventh

void seventhSystem(Session& s) {
    auto& f = s.frm1basic();
    if (f.Check3.value() != 1) return;
    const auto x = forms::toInt(f.Text1[1].text());
    if (f.Text1[1].text().empty() || !x || *x < 0 || *x > 36) return;
    const auto stopLoss = settings::integer(s, settings::Box::StreetsStopLoss);
    if (!stopLoss) return;
    bool startsRun = true;
    for (int i = 2; i <= 28 && startsRun; ++i) {
        const std::string& t = f.Text1[i].text();
        startsRun = t.empty() || t == "0";
    }
    auto& st = s.st;
    seventh::step(st, {*x, startsRun, routines::asInt(st.l_general_cnt), *stopLoss});

    if (st.s_bet.size() <= 40) {
        f.Text15[0].setText(st.s_bet);
        f.Text15[3].setText("");
    } else {
        std::string head, tail;
        seventh::display(st.s_bet, head, tail);
        f.Text15[0].setText(tail);
        f.Text15[3].setText(head);
    }
    f.Text15[1].setNumber(st.l_mrbasebet);
    f.Text15[2].setNumber(st.l_cwin3);
}

}  // namespace passes
