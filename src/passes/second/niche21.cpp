#include "passes/second/niche21.h"

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

namespace {

// The named fields of each sector, A to D.
struct SectorFields {
    int64_t state::Niche21State::*mx, state::Niche21State::*cwin, state::Niche21State::*mincw,
        state::Niche21State::*bb, state::Niche21State::*mlt, state::Niche21State::*cyc;
};
constexpr SectorFields Fields[4] = {
    {&state::Niche21State::i_maxnapp21st, &state::Niche21State::l_cwin21st, &state::Niche21State::l_mincwin21st,
     &state::Niche21State::i_bbet21st, &state::Niche21State::i_multipl21, &state::Niche21State::i_cycle21},
    {&state::Niche21State::i_maxnapp21st2, &state::Niche21State::l_cwin21st22, &state::Niche21State::l_mincwin21st2,
     &state::Niche21State::i_bbet21st22, &state::Niche21State::i_multipl212, &state::Niche21State::i_cycle212},
    {&state::Niche21State::i_maxnapp21st3, &state::Niche21State::l_cwin21st3, &state::Niche21State::l_mincwin21st3,
     &state::Niche21State::i_bbet21st3, &state::Niche21State::i_multipl213, &state::Niche21State::i_cycle213},
    {&state::Niche21State::i_maxnapp21st4, &state::Niche21State::l_cwin21st4, &state::Niche21State::l_mincwin21st4,
     &state::Niche21State::i_bbet21st4, &state::Niche21State::i_multipl214, &state::Niche21State::i_cycle214},
};

// frm6fast.Text4 boxes of a sector: NApp, Mx, Cwin, MinCw, Bbet, Mlt, Cyc, InS, InE.
constexpr int Boxes[4][9] = {{0, 6, 1, 5, 3, 13, 14, 34, 35},
                             {7, 10, 15, 18, 21, 24, 27, 36, 37},
                             {8, 11, 16, 19, 22, 25, 28, 38, 39},
                             {9, 12, 17, 20, 23, 26, 29, 40, 41}};

int64_t& nappOf(state::Niche21State& st, int sector, int64_t& a) {
    switch (sector) {
        case 1: return st.napp2;
        case 2: return st.napp3;
        case 3: return st.napp4;
        default: return a;  // sector A's count is a variable that starts unset
    }
}

template <size_t K>
bool contains(const std::array<int32_t, K>& arc, int n) {
    return std::find(arc.begin(), arc.end(), n) != arc.end();
}

}  // namespace

void nicheSector(NicheSector& sec, int sector, bool hit, const NicheWindow& w, int64_t maxNapp,
                 int64_t multiplier, NicheColour& colour) {
    const int64_t k = sector == 3 ? 10 : 9;
    if (!w.ins || !w.ine) {
        // A window that is not a whole number books nothing and keeps its stake, but counts.
        sec.napp = hit ? 0 : sec.napp + 1;
        sec.mx = std::max(sec.mx, sec.napp);
        colour = NicheColour::Keep;
        return;
    }
    const int64_t m = *w.ins, x = *w.ine;
    const int64_t trigger = sector == 0 ? maxNapp : x;
    const int64_t redLimit = sector == 0 ? x : maxNapp;

    // Settlement of the stake that rode on this spin.
    ++sec.napp;
    const bool booked = m < sec.napp && sec.napp <= x;
    if (hit) {
        if (booked) {
            sec.cwin = forms::satAdd(sec.cwin, forms::satMul(36 - k, sec.bb));
            if (sec.mlt > 1) sec.mlt = forms::satSub(sec.mlt, multiplier);
            if (sec.cyc > 0) --sec.cyc;
        }
        sec.napp = 0;
        sec.bb = 1;
    } else if (booked) {
        sec.cwin = forms::satSub(sec.cwin, forms::satMul(k, sec.bb));
        if (sec.napp == trigger) {
            sec.mlt = forms::satAdd(sec.mlt, multiplier);
            ++sec.cyc;
        }
    }

    // Stake for the next spin; sector A starts staking one count later than the others.
    const int64_t n = sec.napp;
    const bool staking = (sector == 0 ? m < n : m <= n) && n <= x;
    if (staking && n <= m + 9) {
        const int64_t step = n <= m + 2 ? 1 : n <= m + 5 ? 3 : n <= m + 7 ? 5 : 7;
        sec.bb = std::max<int64_t>(0, forms::satAdd(sec.mlt, step));
    }

    sec.mincw = std::min(sec.mincw, sec.cwin);
    sec.mx = std::max(sec.mx, n);
    colour = m <= n && n < x ? NicheColour::Green : n >= redLimit ? NicheColour::Red : NicheColour::Black;
}

int64_t nicheSideBet(int spin, int64_t stake) {
    static constexpr int8_t Units[37] = {-4, 3,  -1, 7,  -1, 3,  2,  3,  -1, 7,  -1, 1,  4,
                                         -2, -2, 1,  -2, -2, 1,  0,  -4, -2, -4, 0,  -1, 0,
                                         -4, 3,  -4, -2, 1,  0,  -2, 1,  0,  -2, 1};
    if (spin < 0 || spin > 36) return 0;
    return Units[spin] * stake;
}

Niche21Result niche21(state::Niche21State& st, const state::WheelSectorTables& wheel, const Niche21Input& in) {
    Niche21Result r;
    if (in.maxNapp && in.multiplier && in.totalTarget && st.l_totalcwin21 < *in.totalTarget) {
        r.sectorsRan = true;
        const bool hits[4] = {contains(wheel.WheelSectorA, in.newest), contains(wheel.WheelSectorB, in.newest),
                              contains(wheel.WheelSectorC, in.newest), contains(wheel.WheelSectorD, in.newest)};
        int64_t nappA = static_cast<int64_t>(st.nonapp21st.value());
        int64_t mxSum = 0;
        for (int i = 0; i < 4; ++i) {
            const SectorFields& f = Fields[i];
            int64_t& napp = nappOf(st, i, nappA);
            NicheSector sec{napp, st.*f.mx, st.*f.cwin, st.*f.mincw, st.*f.bb, st.*f.mlt, st.*f.cyc};
            nicheSector(sec, i, hits[i], in.windows[static_cast<size_t>(i)], *in.maxNapp, *in.multiplier,
                        r.colours[static_cast<size_t>(i)]);
            napp = sec.napp;
            st.*f.mx = sec.mx;
            st.*f.cwin = sec.cwin;
            st.*f.mincw = sec.mincw;
            st.*f.bb = sec.bb;
            st.*f.mlt = sec.mlt;
            st.*f.cyc = sec.cyc;
            mxSum += sec.mx;
        }
        st.nonapp21st = nappA;
        st.l_totalcwin21 = forms::satSum({st.l_cwin21st, st.l_cwin21st22, st.l_cwin21st3, st.l_cwin21st4});
        if (mxSum != 0) st.d_avgMx21 = static_cast<double>(mxSum) / 4.0;
    }

    // The side bet's stake is set before every booking, so it follows the result.
    st.i_bbet21st2 = st.l_cwin21st2 < 0 ? 10 : 5;
    st.l_cwin21st2 += nicheSideBet(in.newest, st.i_bbet21st2);
    return r;
}

void twentyFirstNiche(Session& s) {
    auto& box = s.frm6fast().Text4;
    auto& st = s.st;

    Niche21Input in;
    const std::string& newest = s.frm1basic().Text1[1].text();
    if (const auto n = forms::toInt(newest); n && !newest.empty()) in.newest = *n;
    // The window boxes are typed on the panel: an optional "-" and at most nine digits.
    auto whole = [](const std::string& t) -> std::optional<int64_t> {
        const size_t digits = t.size() - (!t.empty() && t[0] == '-' ? 1 : 0);
        return digits <= 9 ? forms::wholeNumberValue(t) : std::nullopt;
    };
    for (int i = 0; i < 4; ++i)
        in.windows[static_cast<size_t>(i)] = {whole(box[Boxes[i][7]].text()), whole(box[Boxes[i][8]].text())};
    auto setting = [&s](settings::Box b) -> std::optional<int64_t> {
        if (auto v = settings::integer(s, b)) return *v;
        return std::nullopt;
    };
    in.maxNapp = setting(settings::Box::MaxNapp);
    in.multiplier = setting(settings::Box::NicheMultiplier);
    in.totalTarget = setting(settings::Box::NicheTotalCwin);

    const Niche21Result r = niche21(st, st, in);

    if (r.sectorsRan) {
        showVar(box[31], st.l_general_cnt);
        for (int i = 0; i < 4; ++i) {
            const SectorFields& f = Fields[i];
            const int* b = Boxes[i];
            int64_t nappA = static_cast<int64_t>(st.nonapp21st.value());
            box[b[0]].setNumber(nappOf(st, i, nappA));
            box[b[1]].setNumber(st.*f.mx);
            box[b[2]].setNumber(st.*f.cwin);
            box[b[3]].setNumber(st.*f.mincw);
            box[b[4]].setNumber(st.*f.bb);
            box[b[5]].setNumber(st.*f.mlt);
            box[b[6]].setNumber(st.*f.cyc);
            const NicheColour c = r.colours[static_cast<size_t>(i)];
            // The box's ground carries the state, so the panel's light figures stay readable on it.
            if (c != NicheColour::Keep) {
                const forms::Color back = c == NicheColour::Green ? forms::colors::Green
                                          : c == NicheColour::Red ? forms::colors::Red
                                                                  : forms::colors::Black;
                if (box[b[0]].backColor() != back) box[b[0]].setBackColor(back);
            }
        }
        box[30].setNumber(st.l_totalcwin21);
        box[32].setNumber(st.d_avgMx21);
    }
    box[4].setNumber(st.i_bbet21st2);
    box[2].setNumber(st.l_cwin21st2);
}

}  // namespace passes
