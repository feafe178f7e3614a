#include "passes/second/twenty_second.h"

#include <algorithm>

#include "forms/amounts.h"
#include "forms/convert.h"
#include "panels/frm6fast.h"
#include "passes/second/shown_figures.h"
#include "passes/second/systems.h"
#include "settings/settings.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

namespace passes {

Label22 twentySecondSpin(Sys22Instance& in, const std::array<int, 3>& group, int s, std::optional<double> share) {
    const bool inGroup = std::find(group.begin(), group.end(), s) != group.end();
    Label22 label = Label22::Keep;
    if (in.cnt >= 0 && in.cnt <= 4) {
        if (inGroup) {
            in.cwin = forms::satAdd(in.cwin, forms::satMul(33, in.bb));
            in.bb = 1;
            in.cnt = 100;
            label = Label22::White;
            in.won = true;
        } else {
            ++in.cnt;
            in.cwin = forms::satSub(in.cwin, forms::satMul(3, in.bb));
            if (in.cnt == 5) {
                label = Label22::White;
                if (in.cwin >= 0)
                    in.bb = 1;
                else if (share)
                    in.bb = lossShareStake(in.cwin, *share);
            }
        }
    } else if (in.cnt == 5) {
        in.cnt = 100;
        label = Label22::White;
    }
    in.mincw = std::min(in.mincw, in.cwin);
    if (inGroup && in.cnt >= 5 && !in.won) {
        in.cnt = 0;
        label = Label22::Green;
    }
    in.won = false;
    return label;
}

void twentySecondSystem(Session& s) {
    auto& st = s.st;
    auto& f = s.frm6fast();
    const std::string& newest = s.frm1basic().Text1[1].text();
    const auto spin = forms::toInt(newest);
    const int n = spin && !newest.empty() ? *spin : -1;
    const auto share = shareSetting(settings::text(s, settings::Box::BaseBetPercentFromLost));

    struct Instance {
        int64_t& cwin; int64_t& mincw; int64_t& bb; int32_t& cnt; bool& won;
        std::array<int, 3> group; int label, cwinBox, mincwBox, bbBox;
    };
    Instance instances[] = {
        {st.l_cwin22, st.l_mincw22, st.i_bbet22, st.i_cnt22, st.b_b22, {9, 19, 29}, 29, 33, 42, 43},
        {st.l_cwin221, st.l_mincw221, st.i_bbet221, st.i_cnt221, st.b_b221, {10, 20, 30}, 33, 44, 45, 46},
    };
    for (Instance& i : instances) {
        Sys22Instance v{i.cwin, i.mincw, i.bb, i.cnt, i.won};
        const Label22 label = twentySecondSpin(v, i.group, n, share);
        i.cwin = v.cwin;
        i.mincw = v.mincw;
        i.bb = v.bb;
        i.cnt = static_cast<int32_t>(v.cnt);
        i.won = v.won;
        if (label != Label22::Keep)
            f.Label4[i.label].setForeColor(label == Label22::Green ? forms::colors::Green : forms::colors::White);
        f.Text4[i.cwinBox].setNumber(i.cwin);
        f.Text4[i.mincwBox].setNumber(i.mincw);
        f.Text4[i.bbBox].setNumber(i.bb);
    }
}

}  // namespace passes
