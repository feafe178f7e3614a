#include "passes/first/sixth_system.h"

#include "forms/convert.h"
#include "passes/first/fourth_system.h"
#include "passes/first/systems.h"
#include "routines/classify.h"
#include "routines/state_value.h"
#include "settings/settings.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

namespace passes {

namespace sixth {

int leadingColumn(int64_t c1, int64_t c2, int64_t c3, int64_t margin) {
    if (c1 + c2 + margin < c3) return 3;
    if (c2 + c3 + margin < c1) return 1;
    if (c3 + c1 + margin < c2) return 2;
    return 0;
}

}  // namespace sixth

void sixthSystem(Session& s) {
    using settings::Box;
    auto& f = s.frm1basic();
    auto& st = s.st;
    if (f.Text1[1].text().empty()) return;
    routines::col_check(s, f.Text1[1].text());
    const int64_t counts[] = {routines::asInt(st.l_1col), routines::asInt(st.l_2col), st.l_3col};
    for (int i = 0; i < 3; ++i) f.Text13[i].setNumber(counts[i]);

    const auto row = settings::historyRows(s, Box::ColumnsCheckingStart);
    if (!row || f.Text1[*row].text().empty()) return;
    const auto margin = settings::integer(s, Box::ColumnsSavePlusCount);
    const auto m = settings::integer(s, Box::FourthMultiplicator);
    if (!margin || !m) return;
    const int lead = sixth::leadingColumn(counts[0], counts[1], counts[2], *margin);
    // The two trailing columns go green and the leader gets its plain colour back, so never
    // three boxes show green.
    for (int i = 0; i < 3; ++i)
        f.Text13[i].setBackColor(lead != 0 && i != lead - 1 ? forms::colors::Green : forms::colors::ButtonText);
    if (lead == 0) {
        f.Text14.setText("");
        return;
    }
    char buf[fourth::FourCycleMax];
    f.Text14.setText({buf, fourth::fourCycle(buf, *m)});
}

}  // namespace passes
