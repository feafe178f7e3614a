#include "passes/first/sixteenth_system.h"

#include <cmath>

#include "forms/amounts.h"
#include "forms/convert.h"
#include "panels/frm3hgf.h"
#include "panels/frm5help.h"
#include "passes/first/systems.h"
#include "routines/classify.h"
#include "routines/win16.h"
#include "settings/settings.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

namespace passes {

namespace colors = forms::colors;

bool dozenAbsent(const DozenRows& rows, std::string_view d, int32_t window) {
    bool absent = false;
    for (int32_t i = 0; i < window && i < static_cast<int32_t>(rows.size()); ++i) {
        if (rows[static_cast<size_t>(i)] == d) return false;
        absent = true;
    }
    return absent;
}

std::array<bool, 3> dozenTargets(const DozenRows& rows, const TargetInput& in) {
    std::array<bool, 3> flags{};
    if (!in.fullHistory) return flags;
    for (size_t k = 0; k < 3; ++k)
        flags[k] = in.counts[k] <= in.target && dozenAbsent(rows, Dozens[k], in.window) &&
                   shareBelow(in.shares[k], in.maxAll);
    return flags;
}

bool shareBelow(std::string_view share, int32_t maxAll) {
    const auto v = forms::toInt(share);
    return v && *v < maxAll;
}

namespace {

// Whole value of the text numText writes for v, as toInt reads it back; nullopt where the text's
// last digit could decide a half (then the text itself is read).
std::optional<int64_t> wholeOfShown(double v) {
    if (!(std::fabs(v) < 1e7)) return std::nullopt;
    const double lower = std::floor(v);
    const double frac = v - lower;
    if (frac == 0) return static_cast<int64_t>(lower);
    if (std::fabs(frac - 0.5) < 1e-6) return std::nullopt;
    return static_cast<int64_t>(lower) + (frac > 0.5 ? 1 : 0);
}

}  // namespace

std::array<std::string_view, 3> shownShares(const state::Sys16thState& st, Frm3hgf& f, char* buf) {
    std::array<std::string_view, 3> out;
    const double shown[3] = {st.l_lperc, st.l_mperc, static_cast<double>(st.l_hperc)};
    for (size_t k = 0; k < 3; ++k) {
        const auto whole = st.sharesShown ? wholeOfShown(shown[k]) : std::nullopt;
        if (!whole) {
            out[k] = f.Text10[5 + static_cast<int>(k)].text();
            continue;
        }
        char* p = buf + k * forms::NumTextMax;
        out[k] = {p, forms::numTextTo(p, *whole)};
    }
    return out;
}

namespace {

struct Level {
    int64_t bet, lost, next;
};
constexpr Level NormalLevels[] = {{4, 5, 8}, {8, 9, 20}, {20, 22, 40}, {40, 44, 60}, {60, 66, 4}};
constexpr Level CycleLevels[] = {{20, 22, 40}, {40, 44, 60}, {60, 66, 4}};

template <size_t N>
const Level* levelOf(const Level (&levels)[N], int64_t bet) {
    for (const Level& l : levels)
        if (l.bet == bet) return &l;
    return nullptr;
}

void extremes(state::Sys16thState& st) {
    if (st.i_cwin16 < st.i_cwinmin16) st.i_cwinmin16 = st.i_cwin16;
    else if (st.i_cwin16 > st.i_cwinmax16) st.i_cwinmax16 = st.i_cwin16;
}

void closeRun(CyclePlay& p) {
    auto& st = p.st;
    p.closed = true;
    st.i_wincnt16 = 0;
    st.i_bet16 = 4;
    st.l_culcwin16 = forms::satAdd(st.l_culcwin16, st.i_cwin16);
    st.i_cwin16 = 0;
}

}  // namespace

std::optional<CyclePlay> cyclePlay(CyclePlay p, const CycleInput& in) {
    auto& st = p.st;
    if (st.i_wincnt16 >= in.wincntLimit) {
        closeRun(p);
        return p;
    }
    const bool hit = in.rowClass == "0" || in.rowClass == Dozens[static_cast<size_t>(in.dozen)];
    const bool cyclePhase = in.counterOn && st.b_cycleBet;
    const auto& unit = (hit ? st.b_cycleBet : cyclePhase) ? in.cycle : in.base;
    if (!unit) return std::nullopt;

    auto bookHit = [&] {
        st.i_cwin16 = forms::satAdd(st.i_cwin16, routines::win16(in.n, in.rowClass, st.b_cycleBet, st.i_bet16, *unit));
        extremes(st);
    };

    if (hit && !in.counterOn) {
        bookHit();
        st.i_wincnt16 += 1;
        st.i_bet16 = 4;
        st.i_cntplay16 = 0;
        st.i_cntplay16c = 0;
        st.b_cycleBet = false;
        if (st.i_wincnt16 >= in.wincntLimit) closeRun(p);
    } else if (hit) {
        bookHit();
        if (st.i_cntplay16c.value() == 0) {
            st.i_bet16 = 20;
            st.b_cycleBet = true;
            st.i_cntplay16c += 1;
            return p;
        }
        st.i_cntplay16c = 0;
        st.i_cntplay16 = 0;
        st.i_bet16 = 4;
        if (p.l_16cnt > 0) {
            if (p.l_16cntc > 0) {
                p.l_16cntc -= 1;
            } else {
                p.l_16cnt -= 1;
                if (p.l_16cnt == 0) closeRun(p);
            }
        }
        st.b_cycleBet = false;
    } else {
        if (cyclePhase) st.i_cntplay16c += 1;
        else st.i_cntplay16 += 1;
        // A level the phase does not play loses nothing and stays.
        if (const Level* l = cyclePhase ? levelOf(CycleLevels, st.i_bet16) : levelOf(NormalLevels, st.i_bet16)) {
            st.i_cwin16 = forms::satAdd(st.i_cwin16, forms::satMul(-l->lost, *unit));
            st.i_bet16 = l->next;
        }
        extremes(st);
        if (st.i_cntplay16.value() >= 5 && !cyclePhase) {
            p.l_16cnt += 1;
            st.i_cntplay16 = 0;
            st.i_bet16 = 4;
        } else if (in.counterOn && st.i_cntplay16c.value() >= 4) {
            p.l_16cnt += 1;
            p.l_16cntc += 1;
            st.i_cntplay16c = 0;
            st.i_cntplay16 = 0;
            st.i_bet16 = 4;
            st.b_cycleBet = false;
        }
    }
    return p;
}

namespace {

DozenRows dozenRows(Frm1basic& m) {
    DozenRows rows;
    for (size_t i = 0; i < rows.size(); ++i) rows[i] = m.Text2[static_cast<int>(i) + 1].text();
    return rows;
}

void showPlay(Session& s, Frm3hgf& f, const CyclePlay& before, const CyclePlay& after) {
    auto& st = s.st;
    static_cast<state::Sys16thState&>(st) = after.st;
    if (after.l_16cnt != before.l_16cnt) {
        st.l_16cnt = after.l_16cnt;
        f.Label8[0].setCaption(forms::numText(st.l_16cnt));
    }
    if (after.l_16cntc != before.l_16cntc) {
        st.l_16cntc = after.l_16cntc;
        f.Label8[1].setCaption(forms::numText(st.l_16cntc));
    }
}

}  // namespace

void sixteenthSystem(Session& s) {
    if (!settings::on(s, settings::Switch::Cycle16Active)) return;
    Frm1basic& m = s.frm1basic();
    Frm3hgf& f = s.frm3hgf();
    auto& st = s.st;
    const std::array<int64_t, 3> counts = {static_cast<int64_t>(st.l_ll.value()),
                                           static_cast<int64_t>(st.l_mm.value()), st.l_hh};

    // 1. Targets.
    TargetInput in;
    in.fullHistory = !m.Text1[28].text().empty();
    in.counts = counts;
    const auto target = settings::integer(s, settings::Box::TargetDozenCount28);
    const auto window = settings::historyRows(s, settings::Box::NonAppearWindow16);
    const auto maxAll = settings::integer(s, settings::Box::MaxAllPercent);
    std::array<bool, 3> flags{};
    if (target && window && maxAll) {
        in.target = *target;
        in.window = *window;
        in.maxAll = *maxAll;
        // A dozen that came more often than the target is no target: the rows are read only
        // when one might be.
        const bool rare = counts[0] <= *target || counts[1] <= *target || counts[2] <= *target;
        if (in.fullHistory && rare) {
            char buf[3 * forms::NumTextMax];
            in.shares = shownShares(st, f, buf);
            flags = dozenTargets(dozenRows(m), in);
        }
    }
    st.b_betL = flags[0];
    st.b_betM = flags[1];
    st.b_betH = flags[2];

    // 2. Counts and target colours; a green box is the player's (or the alarm's) choice.
    f.Text10[0].setNumber(static_cast<int64_t>(st.l_ll.value()));  // set by the pass: never empty here
    f.Text10[1].setNumber(static_cast<int64_t>(st.l_mm.value()));
    f.Text10[2].setNumber(st.l_hh);
    for (int k = 0; k < 3; ++k) {
        forms::Control& box = f.Text10[k];
        if (box.backColor() == colors::Green) continue;
        box.setBackColor(flags[static_cast<size_t>(k)] ? DozenTargetColors[static_cast<size_t>(k)] : colors::Window);
    }

    // 3. Shares of all spins.
    if (st.l_lall.value() != 0 && st.l_mall.value() != 0 && st.l_hall != 0) {
        const double spins = st.l_general_cnt.value();
        st.l_lperc = st.l_lall.value() / spins * 100;
        st.l_mperc = st.l_mall.value() / spins * 100;
        st.l_hperc = static_cast<int32_t>(forms::roundEven(st.l_hall / spins * 100));
    }
    f.Text10[5].setNumber(st.l_lperc);
    f.Text10[6].setNumber(st.l_mperc);
    f.Text10[7].setNumber(st.l_hperc);
    st.sharesShown = true;

    // 4. The chosen dozen, when exactly one box is green.
    int chosen = -1, greens = 0;
    for (int k = 0; k < 3; ++k)
        if (f.Text10[k].backColor() == colors::Green) {
            chosen = k;
            ++greens;
        }
    const auto wincnt = settings::integer(s, settings::Box::Wincnt16);
    if (greens == 1 && wincnt) {
        CycleInput c;
        c.n = routines::spinOf(m.Text1[1].text());
        c.rowClass = m.Text2[1].text();
        c.dozen = chosen;
        c.counterOn = f.ManualCounter().caption() != "0";
        c.wincntLimit = *wincnt;
        c.base = forms::toInt64(f.Text10[3].text());
        c.cycle = forms::toInt64(f.Text10[4].text());
        const CyclePlay before{st, st.l_16cnt, st.l_16cntc, false};
        if (const auto after = cyclePlay(before, c)) {
            showPlay(s, f, before, *after);
            if (after->closed) f.Text10[chosen].setBackColor(colors::White);
        }
    }

    // 5. Results.
    f.Text11[0].setNumber(st.i_cwin16);
    f.Text11[1].setNumber(st.i_bet16);
    f.Text11[2].setNumber(st.i_wincnt16);
    f.Text11[3].setNumber(st.i_cwinmax16);
    f.Text11[4].setNumber(st.i_cwinmin16);
    s.frm5help().Text1[0].setNumber(st.l_culcwin16);
}

}  // namespace passes
