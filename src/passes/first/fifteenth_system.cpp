#include "passes/first/fifteenth_system.h"

#include <algorithm>
#include <tuple>

#include "panels/frm3hgf.h"
#include "passes/first/systems.h"
#include "routines/classify.h"
#include "settings/settings.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

namespace passes {

ShotwellStats shotwellOf(const state::Sys15thState& st) {
    ShotwellStats g;
    g.run = {st.l_1cnt, st.l_2cnt, st.l_3cnt, st.l_4cnt, st.l_5cnt, st.l_6cnt};
    g.hits = {st.l_C1cnt, st.l_C2cnt, st.l_C3cnt, st.l_C4cnt, st.l_C5cnt, st.l_C6cnt};
    g.sum = {st.l_Ca1cnt, st.l_Ca2cnt, st.l_Ca3cnt, st.l_Ca4cnt, st.l_Ca5cnt, st.l_Ca6cnt};
    g.avg = {st.l_Avg1cnt, st.l_Avg2cnt, st.l_Avg3cnt, st.l_Avg4cnt, st.l_Avg5cnt, st.l_Avg6cnt};
    g.max = {st.l_Max1cnt, st.l_Max2cnt, st.l_Max3cnt, st.l_Max4cnt, st.l_Max5cnt, st.l_Max6cnt};
    g.hit = {st.b_flag1, st.b_flag2, st.b_flag3, st.b_flag4, st.b_flag5, st.b_flag6};
    return g;
}

void storeShotwell(state::Sys15thState& st, const ShotwellStats& g) {
    std::tie(st.l_1cnt, st.l_2cnt, st.l_3cnt, st.l_4cnt, st.l_5cnt, st.l_6cnt) =
        std::tie(g.run[0], g.run[1], g.run[2], g.run[3], g.run[4], g.run[5]);
    std::tie(st.l_C1cnt, st.l_C2cnt, st.l_C3cnt, st.l_C4cnt, st.l_C5cnt) =
        std::tie(g.hits[0], g.hits[1], g.hits[2], g.hits[3], g.hits[4]);
    std::tie(st.l_Ca1cnt, st.l_Ca2cnt, st.l_Ca3cnt, st.l_Ca4cnt, st.l_Ca5cnt) =
        std::tie(g.sum[0], g.sum[1], g.sum[2], g.sum[3], g.sum[4]);
    std::tie(st.l_Avg1cnt, st.l_Avg2cnt, st.l_Avg3cnt, st.l_Avg4cnt, st.l_Avg5cnt) =
        std::tie(g.avg[0], g.avg[1], g.avg[2], g.avg[3], g.avg[4]);
    std::tie(st.l_Max1cnt, st.l_Max2cnt, st.l_Max3cnt, st.l_Max4cnt, st.l_Max5cnt) =
        std::tie(g.max[0], g.max[1], g.max[2], g.max[3], g.max[4]);
    // Group 6 keeps plain numbers: it starts at 0 where the others start empty.
    st.l_C6cnt = static_cast<int32_t>(g.hits[5].value());
    st.l_Ca6cnt = static_cast<int32_t>(g.sum[5].value());
    st.l_Avg6cnt = g.avg[5].value();
    st.l_Max6cnt = static_cast<int32_t>(g.max[5].value());
    std::tie(st.b_flag1, st.b_flag2, st.b_flag3, st.b_flag4, st.b_flag5, st.b_flag6) =
        std::tie(g.hit[0], g.hit[1], g.hit[2], g.hit[3], g.hit[4], g.hit[5]);
}

ShotwellStats shotwellSpin(ShotwellStats g, int n) {
    for (size_t k = 0; k < ShotwellGroups.size(); ++k) {
        const auto& numbers = ShotwellGroups[k];
        g.hit[k] = std::find(numbers.begin(), numbers.end(), n) != numbers.end();
        if (g.hit[k]) {
            g.hits[k] += 1;
            g.sum[k] += g.run[k];
            g.avg[k] = g.sum[k].value() / g.hits[k].value();
            g.run[k] = 0;
        } else {
            g.run[k] += 1;
            if (g.run[k] > g.max[k].value()) g.max[k] = g.run[k];
        }
    }
    return g;
}

namespace {

void show(forms::Control& box, const forms::Var& v) {
    if (v.empty()) box.setText("");
    else box.setNumber(v.value());
}

}  // namespace

void fifteenthSystem(Session& s) {
    if (!settings::on(s, settings::Switch::ShotwellActive)) return;
    const int n = routines::spinOf(s.frm1basic().Text1[1].text());
    const ShotwellStats before = shotwellOf(s.st);
    const ShotwellStats g = shotwellSpin(before, n);
    storeShotwell(s.st, g);

    Frm3hgf& f = s.frm3hgf();
    for (int k = 0; k < 6; ++k) {
        const auto i = static_cast<size_t>(k);
        f.Text9[k].setNumber(g.run[i]);
        // The average and the longest run change only with a hit or a new longest run.
        if (g.avg[i].empty() || g.hit[i]) show(f.Text9[k + 6], g.avg[i]);
        if (g.max[i].empty() || before.max[i].empty() || g.max[i].value() != before.max[i].value())
            show(f.Text9[k + 12], g.max[i]);
    }
}

}  // namespace passes
