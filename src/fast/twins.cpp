#include "fast/twins.h"

#include <span>

#include "forms/convert.h"
#include "panels/frm6fast.h"
#include "routines/classify.h"
#include "settings/settings.h"
#include "shell/session.h"

namespace fast {

TwinsStake twinsStake(int64_t step, int64_t prog) {
    std::span<const routines::Band> bands;
    switch (prog) {
        case 0: bands = kTwinsProg0; break;
        case 1: bands = kTwinsProg1; break;
        case 2: bands = kTwinsProg2; break;
        default: return {};
    }
    const int stake = routines::bandStake(bands, step, 0);
    return stake == 0 ? TwinsStake{1, true} : TwinsStake{stake, false};
}

void paintTwinsIdle(Frm6fast& f, const TwinsDisplay& d) {
    constexpr forms::Color Idle = forms::colors::White;
    f.Text4[d.end].setForeColor(Idle);
    f.Text4[d.bb].setForeColor(Idle);
    for (int label : {d.seedLabel, d.bbLabel, d.endLabel}) f.Label4[label].setForeColor(Idle);
    f.Text4[d.seed].setForeColor(Idle);
}

namespace {

// The end of an instance's round; progression 1 keeps its seed and twin.
int endRound(Session& s, int64_t& step, int64_t prog, const TwinsDisplay& d) {
    step = -1;
    Frm6fast& f = s.frm6fast();
    if (prog != 1) {
        f.Text4[d.seed].setText("-1");
        f.Text4[d.twin].setText("-1");
    }
    f.Text4[d.end].setText("0");
    paintTwinsIdle(f, d);
    return 1;
}

}  // namespace

int f_bbet25(Session& s, int64_t cntpl, int64_t prog) {
    const TwinsStake t = twinsStake(cntpl, prog);
    if (!t.ends) return t.stake;
    const std::string& mode = settings::text(s, settings::Box::TwinsMode);
    const bool counted = mode == "4" || mode == "5" || (prog == 2 && mode == "3");
    if (counted && s.st.i_25cntplay != -1) ++s.st.i_25wrsess;
    return endRound(s, s.st.i_25cntplay, prog, TwinsInstance1);
}

int f_bbet252(Session& s, int64_t cntpl2, int64_t prog) {
    const TwinsStake t = twinsStake(cntpl2, prog);
    if (!t.ends) return t.stake;
    return endRound(s, s.st.i_25cntplay2, prog, TwinsInstance2);
}

int f_bbet25_4(int64_t cntpl2) { return routines::bandStake(kFastTail, cntpl2, 0); }

std::string street_nbr25(int64_t lastSpin) {
    const auto trio = routines::streetTrio(routines::getstreet(lastSpin));
    return forms::numText(trio[0]) + "," + forms::numText(trio[1]) + "," + forms::numText(trio[2]);
}

int hl_check(std::string_view s1) {
    const auto v = forms::toInt(s1);
    if (!v) return 0;
    return routines::isLow(*v) ? 1 : routines::isHigh(*v) ? 2 : 0;
}

}  // namespace fast
