#include "passes/second/gold_ratio24.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "forms/convert.h"
#include "panels/frm3hgf.h"
#include "panels/frm6fast.h"
#include "passes/second/systems.h"
#include "settings/settings.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

namespace passes {

namespace gold24 {

double score(std::optional<int64_t> hits, std::optional<double> hgf, int64_t spins, const Settings& set) {
    // With no spin counted yet there is no share to score.
    if (spins <= 0 || !hits) return 0;
    // Round(hits / spins, 3) worked out exactly: the share in thousandths, halves to even.
    const int64_t num = *hits * 1000;
    int64_t q = num / spins, r = num % spins;
    if (r < 0) {
        q -= 1;
        r += spins;
    }
    if (2 * r > spins || (2 * r == spins && (q & 1))) ++q;
    // Both terms have at most four decimals: the score is kept as the nearest double to its exact
    // value, which the panel shows as that decimal.
    int64_t tenThousandths = q * 10;
    if (set.hgfDisadv && hgf && set.divisor && *set.divisor != 0) {
        const double term = forms::roundTo(forms::roundTo(*hgf, 3) / *set.divisor, 4);
        if (!(std::fabs(term) < 1e10)) return static_cast<double>(q) / 1000 - term;
        tenThousandths -= static_cast<int64_t>(std::nearbyint(term * 1e4));
    }
    return static_cast<double>(tenThousandths) / 1e4;
}

std::string step(state::Sys24thState& st, int spin, const Figures& fig, const Settings& set) {
    const int64_t cw = static_cast<int64_t>(st.l_cw24.value());
    if (set.stopLoss && set.profitTarget && *set.stopLoss < cw && cw < *set.profitTarget) {
        st.b_cwminus = false;
        // The list holds the numbers, then the end mark -2.
        const auto m = static_cast<int64_t>(st.IgBetNumbers.size()) - 1;
        for (int64_t i = 0; i < m; ++i)
            if (st.IgBetNumbers[static_cast<size_t>(i)].value() == spin) st.b_cwminus = true;
        st.l_cw24 = cw + (st.b_cwminus ? 36 : 0) - st.i_bb24 * m;
    }
    const auto now = static_cast<int64_t>(st.l_cw24.value());
    if (now < st.l_min_cw24) st.l_min_cw24 = static_cast<int32_t>(std::max<int64_t>(now, INT32_MIN));

    st.IgBetNumbers.assign(1, forms::Var(-2));
    for (int n = 0; n <= 36; ++n) {
        const double sc = score(fig.hits[static_cast<size_t>(n)], fig.hgf[static_cast<size_t>(n)], fig.spins, set);
        st.IgScore[static_cast<size_t>(n)] = sc;
        st.IgScoreSorted[static_cast<size_t>(n)] = sc;
    }
    std::sort(st.IgScoreSorted.begin(), st.IgScoreSorted.end(), std::greater<>());

    std::string taken;
    st.d_grat = 0;
    if (!set.ratio) return taken;
    for (double sorted : st.IgScoreSorted) {
        if (sorted > 0) {
            for (int n = 0; n <= 36; ++n) {
                if (st.IgScore[static_cast<size_t>(n)] != sorted) continue;
                taken += "  ";
                taken += forms::numText(n);
                st.IgBetNumbers.insert(st.IgBetNumbers.end() - 1, forms::Var(n));
                st.IgScore[static_cast<size_t>(n)] = -1;
                break;
            }
        }
        if (st.d_grat + sorted > *set.ratio) break;
        st.d_grat += sorted;
    }
    return taken;
}

}  // namespace gold24

void twentyFourthSystem(Session& s) {
    using settings::Box;
    auto& st = s.st;
    const auto& row1 = s.frm1basic().Text1[1].text();
    const auto spin = forms::toInt(row1);

    gold24::Settings set;
    set.profitTarget = settings::integer(s, Box::ProfitTarget);
    set.stopLoss = settings::integer(s, Box::StopLoss);
    set.ratio = settings::number(s, Box::IgRatio);
    set.hgfDisadv = settings::hgfDisadvEnabled(s);
    set.divisor = settings::number(s, Box::HgfDisadvDivisor);

    auto& hgf = s.frm3hgf();
    gold24::Figures fig;
    fig.spins = st.l_general_cnt2;
    for (int n = 0; n <= 36; ++n) {
        fig.hits[static_cast<size_t>(n)] = forms::toInt64(hgf.Text2[n].text());
        if (set.hgfDisadv) fig.hgf[static_cast<size_t>(n)] = forms::toDouble(hgf.Text1[n].text());
    }
    const std::string taken = gold24::step(st, spin && !row1.empty() ? *spin : -1, fig, set);

    auto& box = s.frm6fast().Text4;
    box[66].setText(st.l_cw24.text());
    box[67].setNumber(int64_t{st.l_min_cw24});
    box[69].setNumber(st.i_bb24);
    char sorted[37 * (2 + forms::NumTextMax)];
    size_t len = 0;
    for (double v : st.IgScoreSorted) {
        sorted[len++] = ' ';
        sorted[len++] = ' ';
        len += forms::numTextTo(sorted + len, v);
    }
    box[63].setText(std::string_view(sorted, len));
    box[64].setText(taken);
    box[65].setNumber(st.d_grat);
    std::string list;
    for (const auto& v : st.IgBetNumbers) {
        list += "  ";
        list += v.text();
    }
    box[70].setText(list);
}

}  // namespace passes
