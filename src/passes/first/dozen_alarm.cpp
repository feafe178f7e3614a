#include "passes/first/dozen_alarm.h"

#include "forms/convert.h"
#include "panels/frm3hgf.h"
#include "passes/first/systems.h"
#include "settings/settings.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

namespace passes {

namespace {

// The alarm's own limit: it does not follow "Nbr of target D in 28spins".
constexpr int64_t RareInHistory = 5;

}  // namespace

AlarmResult dozenAlarm(const DozenRows& rows, const AlarmInput& in) {
    AlarmResult r;
    if (!in.fullHistory) return r;
    // Only the first rare dozen is examined, whatever comes of it.
    for (int k = 0; k < 3; ++k)
        if (in.counts[static_cast<size_t>(k)] <= RareInHistory) {
            r.examined = k;
            break;
        }
    if (r.examined < 0) return r;
    const auto d = static_cast<size_t>(r.examined);
    // Cleared first, so a window of 0 never acts on a flag left from an earlier spin.
    r.flag = in.window && dozenAbsent(rows, Dozens[d], *in.window);
    const bool otherGreen = in.green[(d + 1) % 3] || in.green[(d + 2) % 3];
    r.turnsGreen = r.flag && !otherGreen && in.maxAll && shareBelow(in.shares[d], *in.maxAll);
    return r;
}

void dozenAlarm(Session& s) {
    Frm1basic& m = s.frm1basic();
    if (m.Text2[28].text().empty()) return;
    auto& st = s.st;
    // Nothing is examined while every dozen came more than the alarm's limit.
    if (st.l_ll.value() > RareInHistory && st.l_mm.value() > RareInHistory && st.l_hh > RareInHistory) return;
    Frm3hgf& f = s.frm3hgf();
    DozenRows rows;
    for (size_t i = 0; i < rows.size(); ++i) rows[i] = m.Text2[static_cast<int>(i) + 1].text();

    AlarmInput in;
    in.fullHistory = true;
    in.counts = {static_cast<int64_t>(st.l_ll.value()), static_cast<int64_t>(st.l_mm.value()), st.l_hh};
    in.window = settings::historyRows(s, settings::Box::NonAppearWindow16);
    in.maxAll = settings::integer(s, settings::Box::MaxAllPercent);
    char buf[3 * forms::NumTextMax];
    in.shares = shownShares(st, f, buf);
    for (int k = 0; k < 3; ++k) {
        in.green[static_cast<size_t>(k)] = f.Text10[k].backColor() == forms::colors::Green;
    }
    const AlarmResult r = dozenAlarm(rows, in);
    switch (r.examined) {
        case 0: st.b_betL3 = r.flag; break;
        case 1: st.b_betM3 = r.flag; break;
        case 2: st.b_betH3 = r.flag; break;
        default: return;
    }
    if (r.turnsGreen) f.Text10[r.examined].setBackColor(forms::colors::Green);
}

}  // namespace passes
