#include "passes/first/fourth_system.h"

#include <algorithm>

#include "forms/convert.h"
#include "passes/first/systems.h"
#include "routines/state_value.h"
#include "settings/settings.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

namespace passes {

namespace fourth {

std::string_view dozens(int64_t ll, int64_t mm, int64_t hh, int64_t margin) {
    if (ll + mm + margin < hh) return "L,M ";
    if (ll + hh + margin < mm) return "L,H ";
    if (mm + hh + margin < ll) return "M,H ";
    return {};
}

size_t fourCycle(char* out, int64_t m) {
    char* p = out;
    const int64_t factors[] = {1, 3, 9, 27};
    for (int i = 0; i < 4; ++i) {
        if (i) p = std::copy_n("  ", 2, p);
        const int64_t v = factors[i] * m;
        p += forms::numTextTo(p, v);
        *p++ = '-';
        p += forms::numTextTo(p, v);
    }
    return static_cast<size_t>(p - out);
}

}  // namespace fourth

void fourthSystem(Session& s) {
    using settings::Box;
    auto& f = s.frm1basic();
    const auto row = settings::historyRows(s, Box::FourthCheckingStart);
    if (!row || f.Text1[*row].text().empty()) return;
    const auto margin = settings::integer(s, Box::FourthSavePlusCount);
    const auto m = settings::integer(s, Box::FourthMultiplicator);
    if (!margin || !m) return;
    const auto two = fourth::dozens(routines::asInt(s.st.l_ll), routines::asInt(s.st.l_mm), s.st.l_hh, *margin);
    auto& box = f.Text8[0];
    if (two.empty()) {
        box.setVisible(false);
        return;
    }
    box.setVisible(true);
    char buf[8 + fourth::FourCycleMax + forms::NumTextMax];
    char* p = std::copy(two.begin(), two.end(), buf);
    p += fourth::fourCycle(p, *m);
    *p++ = ' ';
    p += forms::numTextTo(p, int64_t{80} * *m);
    p = std::copy_n(" E", 2, p);
    box.setText({buf, static_cast<size_t>(p - buf)});
}

}  // namespace passes
