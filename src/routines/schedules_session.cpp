#include "forms/convert.h"
#include "panels/frm3hgf.h"
#include "routines/schedules.h"
#include "routines/state_value.h"
#include "settings/frm2opti.h"
#include "shell/session.h"

namespace routines {

AdvSchedule advSchedule(Session& s) {
    constexpr AdvSchedule order[] = {AdvSchedule::S90, AdvSchedule::M90, AdvSchedule::ES141};
    auto& opti = s.frm2opti();
    for (int k = 0; k < 3; ++k)
        if (opti.Option1[k].value()) return order[k];
    return AdvSchedule::None;
}

int f_prog8thADV(Session& s, std::string_view s1, int64_t i3) {
    const auto start = forms::toInt64(s1);
    if (!start) return 0;
    const AdvStake r = f_prog8thADV(*start, i3, advSchedule(s));
    if (r.nextStart) s.frm2opti().Text1[24].setText(forms::numText(*r.nextStart));
    return r.stake;
}

int64_t f_prog8thADVcdown(Session& s, std::string_view s1, int64_t i3) {
    const auto start = forms::toInt64(s1);
    if (!start) return 0;
    const int64_t left = f_prog8thADVcdown(*start, i3, advSchedule(s));
    if (left == 0) setInt(s.st.i_loses19, asInt(s.st.i_loses19) + 1);
    return left;
}

int f_prog60(Session& s, std::string_view s1, int64_t i0) {
    const auto start = forms::toInt64(s1);
    if (!start) return 0;
    const int stake = f_prog60(*start, i0);
    if (stake == 0) s.frm3hgf().Text4[1].setText("QT");
    return stake;
}

}  // namespace routines
