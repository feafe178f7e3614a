#include "passes/second/neuron23.h"

#include <algorithm>

#include "fast/neuron23.h"
#include "forms/amounts.h"
#include "forms/convert.h"
#include "panels/frm6fast.h"
#include "passes/second/shown_figures.h"
#include "passes/second/systems.h"
#include "routines/state_value.h"
#include "settings/settings.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

namespace passes {

void neuron23Stake(Neuron23Totals& t, int64_t total, std::optional<double> share) {
    t.total = total;
    if (total >= 0)
        t.bb = 1;
    else if (share)
        t.bb = lossShareStake(total, *share);
    t.minTotal = std::min(t.minTotal, total);
    t.bb = std::max<int64_t>(t.bb, 1);
    t.maxBb = std::max(t.maxBb, t.bb);
}

void twentyThirdNeuronNet(Session& s) {
    auto& hist = s.frm1basic().Text1;
    const std::string& newest = hist[1].text();
    const std::string& previous = hist[2].text();
    if (newest.empty() || previous.empty()) return;
    auto& st = s.st;
    fast::sign23rd(s, forms::toInt(newest).value_or(-1), forms::toInt(previous).value_or(-1));

    auto& box = s.frm6fast().Text4;
    box[47].setNumber(st.i_3311);
    box[48].setNumber(st.i_3322);
    box[49].setNumber(st.i_3333);
    box[50].setNumber(st.i_1111);
    box[51].setNumber(st.i_2222);
    box[52].setNumber(st.i_2211);
    showVar(box[53], st.i_cw3311);
    showVar(box[54], st.i_cw3322);
    showVar(box[55], st.i_cw3333);
    showVar(box[56], st.i_cw1111);
    showVar(box[57], st.i_cw2222);
    showVar(box[58], st.i_cw2211);

    using routines::asInt;
    // The accounts are booked at stakes up to the cap: their sum is kept at the 64-bit ends.
    const int64_t total = forms::satSum({asInt(st.i_cw3311), asInt(st.i_cw3322), asInt(st.i_cw3333),
                                         asInt(st.i_cw1111), asInt(st.i_cw2222), asInt(st.i_cw2211)});
    Neuron23Totals t{asInt(st.l_totcw23), st.l_min_totcw23, st.i_bb23, st.i_max_bb23};
    neuron23Stake(t, total, shareSetting(settings::text(s, settings::Box::BaseBetPercentFromLost)));
    st.l_totcw23 = t.total;
    st.l_min_totcw23 = t.minTotal;
    st.i_bb23 = t.bb;
    st.i_max_bb23 = t.maxBb;
    box[59].setNumber(st.l_min_totcw23);
    box[60].setNumber(t.total);
    box[61].setNumber(st.i_bb23);
    box[62].setNumber(st.i_max_bb23);
}

}  // namespace passes
