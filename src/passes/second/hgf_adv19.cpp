#include "passes/second/hgf_adv19.h"

#include <algorithm>

#include "forms/convert.h"
#include "panels/frm3hgf.h"
#include "panels/frm5help.h"
#include "passes/second/shown_figures.h"
#include "passes/second/systems.h"
#include "routines/state_value.h"
#include "settings/frm2opti.h"
#include "settings/settings.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

namespace passes {

namespace {

constexpr forms::Color Idle = 0x80000007;
constexpr forms::Color Played = 0xC000;
constexpr forms::Color StakeMark = 0xC0C000;
constexpr forms::Color LeftMark = 0xC000C0;
constexpr forms::Color Orange = 0x80FF;

// What a number that comes after its whole schedule has cost: the schedule's sum.
int64_t scheduleCost(routines::AdvSchedule schedule) {
    switch (schedule) {
        case routines::AdvSchedule::S90: return 247;
        case routines::AdvSchedule::M90: return 373;
        default: return 1141;
    }
}

// Hit counts are a few digits: compared in place, without a library call.
bool sameShortText(const std::string& a, const std::string& b) {
    const size_t n = a.size();
    if (n != b.size()) return false;
    if (n == 0) return true;
    // One or two digits, the common case: the first and the last character say it all.
    if (n <= 2) return a[0] == b[0] && a[n - 1] == b[n - 1];
    for (size_t c = 0; c < n; ++c)
        if (a[c] != b[c]) return false;
    return true;
}

void book(forms::Var& cwin, int64_t amount) { routines::setInt(cwin, routines::asInt(cwin) + amount); }

}  // namespace

Adv19Result hgfAdv19(state::Sys19thAdvState& st, const Adv19Input& in, const AdvRaise& raise) {
    int64_t start = in.start;
    std::array<int64_t, 37> riding = in.riding;
    auto played = [&](int n, int64_t average) {
        return st.AdvNonAppear[n] >= start && (!in.averageFilter || in.hits[n] >= average);
    };

    // 1. The newest spin settles its play; every other number stays away one spin longer.
    const bool spun = in.newest >= 0 && in.newest <= 36;
    if (spun) {
        const int n = in.newest;
        const bool was = played(n, in.shownAverage);
        const int64_t staked = st.AdvStaked[n] + riding[n];
        if (was && st.AdvNonAppear[n] > start + routines::advCycleLength(in.schedule))
            book(st.i_cwin19, -scheduleCost(in.schedule));
        else if (was || staked > 0)
            book(st.i_cwin19, 36 * riding[n] - staked);  // the stake on this spin is part of the play
        st.AdvStaked[n] = 0;
        riding[n] = 0;
    }
    // The others stay away one spin longer, swept at once; the newest starts again from 0.
    if (spun) st.AdvNonAppear[static_cast<size_t>(in.newest)] = -1;
    int32_t longest = 0;
    for (int32_t& count : st.AdvNonAppear) longest = std::max(longest, ++count);
    st.i_max19 = std::max<int64_t>(st.i_max19, longest);

    // 2. Mn, Mx and Avg of the hit counts.
    Adv19Result r;
    int64_t sum = 0;
    r.mn = 100000;
    for (int64_t h : in.hits) {
        r.mn = std::min(r.mn, h);
        r.mx = std::max(r.mx, h);
        sum += h;
    }
    r.avg = sum > 0 ? forms::roundTo(static_cast<double>(sum) / 37.0, 1) : 0.0;
    const auto average = static_cast<int64_t>(forms::roundEven(r.avg));

    // 3. Stakes for the next spin, number by number; an S90 restart applies to the numbers after n.
    int64_t wins = routines::asInt(st.i_wins19), loses = 0;
    for (int n = 0; n <= 36; ++n) {
        Adv19Number& out = r.numbers[static_cast<size_t>(n)];
        const int64_t count = st.AdvNonAppear[n];
        if (!played(n, average)) {
            // A play that ends without its number coming loses what it staked.
            const int64_t staked = st.AdvStaked[n] + riding[n];
            if (staked > 0) book(st.i_cwin19, -staked);
            st.AdvStaked[n] = 0;
            continue;
        }
        out.played = true;
        st.AdvStaked[n] = static_cast<int32_t>(st.AdvStaked[n] + riding[n]);
        if (count == start) ++wins;
        const routines::AdvStake stake = routines::f_prog8thADV(start, count, in.schedule);
        if (stake.nextStart) start = raise(*stake.nextStart);
        out.stake = stake.stake;
        out.left = routines::f_prog8thADVcdown(start, count, in.schedule);
        if (out.left == 0) ++loses;
    }
    if (wins != routines::asInt(st.i_wins19)) routines::setInt(st.i_wins19, wins);
    if (loses > 0) routines::setInt(st.i_loses19, routines::asInt(st.i_loses19) + loses);
    return r;
}

void nineteenthHgfAdv(Session& s) {
    auto& hgf = s.frm3hgf();
    auto& st = s.st;
    const auto start = settings::integer(s, settings::Box::NonAppearCnt);
    if (!start) return;

    Adv19Input in;
    in.start = *start;
    const std::string& newest = s.frm1basic().Text1[1].text();
    if (const auto n = forms::toInt(newest); n && !newest.empty()) in.newest = *n;
    in.schedule = routines::advSchedule(s);
    in.averageFilter = settings::on(s, settings::Switch::AvgFlag);
    forms::Control* hitBox[37];
    for (int n = 0; n <= 36; ++n) {
        const auto i = static_cast<size_t>(n);
        hitBox[n] = &hgf.HitCounts(n);
        const std::string& text = hitBox[n]->text();
        if (!sameShortText(text, st.AdvHitTexts[i])) {
            const auto h = forms::toInt(text);
            if (!h) return;  // hit counts are the first pass's figures; without them nothing is settled
            st.AdvHitTexts[i] = text;
            st.AdvHitValues[i] = *h;
        }
        in.hits[i] = st.AdvHitValues[i];
    }
    // The stakes riding on this spin are the ones shown after the previous run; only this system
    // writes them.
    in.riding = st.AdvShownStake;
    // The average may also have been written by a click on the panel's "Mn/Mx/Avg".
    const std::string& avgShown = hgf.Label14[6].caption();
    in.shownAverage = avgShown == st.AdvShownAvgText ? st.AdvShownAvgWhole : shownInt(avgShown);

    const AdvRaise raise = [&s](int64_t next) -> int64_t {
        s.frm2opti().Text1[static_cast<int>(settings::Box::NonAppearCnt)].setText(forms::numText(next));
        return settings::integer(s, settings::Box::NonAppearCnt).value_or(next);
    };
    const Adv19Result r = hgfAdv19(st, in, raise);

    hgf.Label14[4].setNumber(r.mn);
    hgf.Label14[5].setNumber(r.mx);
    if (r.avg != st.AdvShownAvg) {
        char buf[forms::NumTextMax];
        st.AdvShownAvgText.assign(buf, forms::numTextTo(buf, r.avg));
        st.AdvShownAvg = r.avg;
        st.AdvShownAvgWhole = static_cast<int64_t>(forms::roundEven(r.avg));
    }
    hgf.Label14[6].setText(st.AdvShownAvgText);
    for (int n = 0; n <= 36; ++n) {
        const auto i = static_cast<size_t>(n);
        const Adv19Number& v = r.numbers[i];
        auto& absent = hgf.NonAppearLabels(n);
        absent.setNumber(st.AdvNonAppear[n]);
        absent.setBackColor(v.played ? Played : Idle);
        // Only this system writes the stake and spins-left labels: an unchanged figure keeps
        // its text and colour.
        const int64_t stake = v.played ? v.stake : 0, left = v.played ? v.left : 0;
        if (stake != st.AdvShownStake[i]) {
            st.AdvShownStake[i] = stake;
            hgf.Label12[n].setNumber(stake);
            hgf.Label12[n].setBackColor(stake != 0 ? StakeMark : Idle);
        }
        if (left != st.AdvShownLeft[i]) {
            st.AdvShownLeft[i] = left;
            hgf.Label13[n].setNumber(left);
            hgf.Label13[n].setBackColor(left != 0 ? LeftMark : Idle);
        }
        const bool orange = static_cast<double>(in.hits[i]) >= r.avg;
        hitBox[n]->setBackColor(orange ? Orange : forms::colors::White);
    }
    hgf.Label2[Frm3hgf::MaxLabel].setNumber(st.i_max19);
    auto& help = s.frm5help();
    showVar(help.Text1[22], st.i_wins19);
    showVar(help.Text1[21], st.i_loses19);
    showVar(help.Text3, st.i_cwin19);
}

}  // namespace passes
