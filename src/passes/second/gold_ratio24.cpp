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

namespace {

// Books the newest spin against the numbers bet after the previous one.
void settle(state::Sys24thState& st, int spin, const Settings& set) {
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
}

// Ranks st.IgScore (filled by the caller) and takes the leaders up to the ratio; the numbers
// taken are written to `taken` as the panel shows them, returning the length.
size_t choose(state::Sys24thState& st, const Settings& set, char* taken) {
    // Highest score first, equal scores by number: the order the choice takes them in. The order
    // of the previous spin is nearly right, so an insertion sort from it costs little.
    auto& order = st.IgOrder;
    auto& sorted = st.IgScoreSorted;
    for (size_t k = 0; k < order.size(); ++k) sorted[k] = st.IgScore[static_cast<size_t>(order[k])];
    // Sorted with its scores beside it, so the comparisons read no score through the order.
    for (size_t i = 1; i < order.size(); ++i) {
        const int8_t n = order[i];
        const double x = sorted[i];
        size_t j = i;
        for (; j > 0 && (x > sorted[j - 1] || (x == sorted[j - 1] && n < order[j - 1])); --j) {
            order[j] = order[j - 1];
            sorted[j] = sorted[j - 1];
        }
        order[j] = n;
        sorted[j] = x;
    }

    size_t len = 0;
    st.d_grat = 0;
    if (!set.ratio) {
        st.IgBetNumbers.assign(1, forms::Var(-2));
        return len;
    }
    // Appended in order, the end mark after them (capacity is kept from spin to spin).
    st.IgBetNumbers.clear();
    for (size_t k = 0; k < order.size(); ++k) {
        const double v = sorted[k];
        if (v > 0) {
            // The first number not yet taken with this score: equal scores sit in number order.
            const int n = order[k];
            // Numbers of the wheel are one or two digits: written in place.
            taken[len++] = ' ';
            taken[len++] = ' ';
            if (n >= 10) taken[len++] = static_cast<char>('0' + n / 10);
            taken[len++] = static_cast<char>('0' + n % 10);
            st.IgBetNumbers.push_back(forms::Var(n));
            st.IgScore[static_cast<size_t>(n)] = -1;
        }
        if (st.d_grat + v > *set.ratio) break;
        st.d_grat += v;
    }
    st.IgBetNumbers.push_back(forms::Var(-2));
    return len;
}

constexpr size_t TakenMax = 37 * 4;

// score() for an HGF value as the first pass keeps it (whole hundredths, so rounding it to three
// decimals leaves it as it is) and a divisor that is not 0. Far from a half the HGF term rounds
// as a plain nearest; near one, or out of range, score() decides.
double scoreKept(int64_t hits, double hgf, int64_t spins, const Settings& set) {
    if (spins <= 0) return 0;
    const double scaled = hgf / *set.divisor * 1e4;
    if (!(std::fabs(scaled) < 1e13)) return score(hits, hgf, spins, set);
    // std::floor without the library call; exact in this range.
    double whole = static_cast<double>(static_cast<int64_t>(scaled));
    if (whole > scaled) whole -= 1;
    const double frac = scaled - whole;
    if (!(std::fabs(frac - 0.5) > 1e-9 * (1 + std::fabs(scaled)))) return score(hits, hgf, spins, set);
    const int64_t num = hits * 1000;
    int64_t q = num / spins, r = num % spins;
    if (r < 0) {
        q -= 1;
        r += spins;
    }
    if (2 * r > spins || (2 * r == spins && (q & 1))) ++q;
    // Away from a half the nearest whole is the floor or the next one up.
    const int64_t nearest = static_cast<int64_t>(whole) + (frac > 0.5 ? 1 : 0);
    return static_cast<double>(q * 10 - nearest) / 1e4;
}

}  // namespace

std::string step(state::Sys24thState& st, int spin, const Figures& fig, const Settings& set) {
    settle(st, spin, set);
    for (size_t n = 0; n <= 36; ++n) st.IgScore[n] = score(fig.hits[n], fig.hgf[n], fig.spins, set);
    char taken[TakenMax];
    return std::string(taken, choose(st, set, taken));
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
    if (set.hgfDisadv) set.divisor = settings::number(s, Box::HgfDisadvDivisor);

    gold24::settle(st, spin && !row1.empty() ? *spin : -1, set);
    // The hit counts and HGF values the HGF panel shows, as the first pass keeps them (its boxes
    // are written from these and nothing else writes them).
    const int64_t spins = st.l_general_cnt2;
    const bool disadv = set.hgfDisadv && set.divisor && *set.divisor != 0;
    for (size_t n = 0; n <= 36; ++n) {
        if (!disadv) {
            st.IgScore[n] = gold24::score(int64_t{st.HgfHitCount[n]}, std::nullopt, spins, set);
            continue;
        }
        st.IgScore[n] = gold24::scoreKept(int64_t{st.HgfHitCount[n]}, st.HgfValue[n], spins, set);
    }
    char taken[gold24::TakenMax + 4];
    size_t len = gold24::choose(st, set, taken);

    auto& box = s.frm6fast().Text4;
    if (st.l_cw24.empty()) box[66].setText("");
    else box[66].setNumber(st.l_cw24.value());
    box[67].setNumber(int64_t{st.l_min_cw24});
    box[69].setNumber(st.i_bb24);
    // The sorted scores: a long text that is made only when the panel is drawn, and touched only
    // when a score moved or another text replaced it.
    auto& sortedBox = box[63];
    if (!sortedBox.bound()) {
        sortedBox.bindText([&st](std::string& out) {
            char sorted[37 * (2 + forms::NumTextMax)];
            size_t n = 0;
            for (double v : st.IgScoreSorted) {
                sorted[n++] = ' ';
                sorted[n++] = ' ';
                n += forms::numTextTo(sorted + n, v);
            }
            out.assign(sorted, n);
        });
    }
    if (!sortedBox.showsBound() || st.IgShownScores != st.IgScoreSorted) {
        st.IgShownScores = st.IgScoreSorted;
        sortedBox.touchBound();
    }
    box[64].setText(std::string_view(taken, len));
    box[65].setNumber(st.d_grat);
    // The list to bet: the numbers taken, then the end mark.
    for (char c : {' ', ' ', '-', '2'}) taken[len++] = c;
    box[70].setText(std::string_view(taken, len));
}

}  // namespace passes
