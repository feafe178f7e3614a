#include "tch/totals.h"

#include <string>

#include "forms/amounts.h"
#include "panels/frm7tch.h"
#include "routines/state_value.h"
#include "shell/session.h"
#include "tch/common.h"
#include "tch/sleeper_rows.h"

namespace tch {

Totals totals(const Session& s) {
    const auto& st = s.st;
    Totals t;
    // A derived row's result may sit at the end of the range.
    t.finals = forms::satSum({st.l_cwin220, st.l_cwin222, st.l_cwin223, st.l_cwin224, st.l_cwin225, st.l_cwin229,
                              st.l_cwin2214, st.l_cwin2215, st.l_cwin2216, st.l_cwin2217, st.l_cwin2218});
    t.all = forms::satSum({t.finals, st.l_cwin226, st.l_cwin227, st.l_cwin228, st.l_cwin2210, st.l_cwin2211,
                           st.l_cwin2212});
    return t;
}

void showTotalsAndRounds(Session& s, Frm7tch& w) {
    auto& st = s.st;
    const Totals t = totals(s);
    // The caption is rebuilt only when a total moved (or on the first spin, while it reads "TCh").
    const bool moved =
        st.l_totcw2208.empty() || routines::asInt(st.l_totcw2208) != t.all || st.l_totcw2218 != t.finals;
    st.l_totcw2208 = forms::Var(t.all);
    st.l_totcw2218 = t.finals;
    if (moved) {
        char buf[8 + 4 + 2 * forms::NumTextMax] = "TchAll  ";
        size_t n = 8;
        n += forms::numTextTo(buf + n, t.all);
        for (char c : {' ', '1', 'P', ' '}) buf[n++] = c;
        n += forms::numTextTo(buf + n, t.finals);
        w.setCaption(std::string(buf, n));
    }

    for (size_t k = 0; k < st.MaxSleepTable.size(); ++k) {
        const int64_t slot = st.MaxSleepTable[k];
        if (slot == st.RoundsShown[k]) continue;
        st.RoundsShown[k] = slot;
        const int box = k < tchbox::StandardRows.size() ? tchbox::StandardRows[k].rounds
                                                         : tchbox::SectorRows[k - tchbox::StandardRows.size()].rounds;
        w.Text1[box].setNumber(slot);
    }
}

}  // namespace tch
