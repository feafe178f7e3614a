#include "fast/engine.h"

#include <algorithm>

#include "forms/convert.h"

namespace fast {

namespace {

std::optional<std::string> numberText(std::string_view t) {
    if (!forms::isNumeric(t)) return std::nullopt;
    return std::string(t);
}

// The largest and second largest counts of the level's array, sorted ascending in place.
template <size_t N>
std::pair<int64_t, int64_t> topTwo(std::array<int64_t, N>& a) {
    std::ranges::sort(a);
    return {a[N - 1], a[N - 2]};
}

}  // namespace

std::optional<EngineResult> fass28(const EngineInput& in) {
    std::array<int64_t, 13> rows{};
    for (size_t i = 0; i < rows.size(); ++i) {
        const auto n = forms::toInt64(in.rows[i]);
        if (!n) return std::nullopt;
        rows[i] = *n;
    }
    const auto skip = forms::toDouble(in.skip);
    const auto lastSpin = forms::toInt64(in.lastSpin);
    if (!skip || !lastSpin) return std::nullopt;

    EngineResult r;
    const bool low = *skip < 9;
    r.seq = low ? "LOW" : "HIGH";

    // Row 13 to row 12 first; rows[i] is history row i + 1.
    for (size_t k = 0; k < r.SkipWindow.size(); ++k) {
        const size_t older = 12 - k;
        r.SkipWindow[k] = calc_skip(rows[older], rows[older - 1]);
    }
    for (int32_t s : r.SkipWindow) r.counts = FASS_check(r.counts, s, s >= 9 ? "HIGH" : "LOW");
    const FassCounts& c = r.counts;
    r.a_lowsearch = {c.l_1, c.l_2, c.l_3, c.l_5, c.l_8};
    r.a_highsearch = {c.l_8, c.l_13, c.l_16};

    FassSelection sel;
    sel = low ? sealow_0(sel, c.l_8, c.l_5, c.l_3, c.l_2, c.l_1) : seahigh_0(sel, c.l_16, c.l_13, c.l_8);

    r.l_20perc = in.l_20perc;
    if (const auto bank = forms::toInt(in.initBankrol))
        r.l_20perc = static_cast<int32_t>(forms::roundEven(*bank * 0.2));

    // The stake sees the selection as the zero search left it.
    if (low || sel.l_counter == 0) {
        r.bbet = numberText(in.minBet);
    } else {
        const auto cw = forms::toDouble(in.cwin);
        if (cw && *cw < static_cast<double>(r.l_20perc)) r.bbet = numberText(in.maxBet);
    }

    if (sel.l_counter == 0) {
        if (low) {
            const auto [first, second] = topTwo(r.a_lowsearch);
            sel = sealow_00(sel, c, first, second);
        } else {
            const auto [first, second] = topTwo(r.a_highsearch);
            sel = seahigh_00(sel, c, first, second);
        }
    }
    if (sel.l_counter == 1) {
        sel = low ? sealow_01(sel, c, topTwo(r.a_lowsearch).first) : seahigh_01(sel, c, topTwo(r.a_highsearch).first);
    }
    r.selection = sel;

    r.s_minlosebet.append("|").append(forms::numText(r.SkipWindow[0])).append("||");
    r.s_minlosebet.append(forms::numText(r.SkipWindow[1])).append("|");

    const Elimination e = elimnbrs(*lastSpin, sel.s_string);
    r.s_elimnbr1 = e.s_elimnbr1.value_or(in.s_elimnbr1);
    r.s_elimnbr2 = e.s_elimnbr2.value_or(in.s_elimnbr2);
    return r;
}

}  // namespace fast
