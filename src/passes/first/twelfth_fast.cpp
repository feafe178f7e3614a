#include "passes/first/twelfth_fast.h"

#include "fast/elim.h"
#include "fast/panel.h"
#include "fast/skip.h"
#include "forms/convert.h"
#include "panels/frm6fast.h"
#include "passes/first/systems.h"
#include "routines/classify.h"
#include "settings/settings.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

namespace passes {

namespace colors = forms::colors;

namespace {

constexpr forms::Color CwinBack = 0x8000000E;
constexpr int WindowSize = 12;
constexpr int RowsForTheEngine = 13;

// Every verdict text by count, so a spin builds no string for it.
constexpr std::string_view VerdictTexts[WindowSize + 1] = {
    "YES 0", "YES 1", "YES 2", "YES 3", "YES 4", "NM 5", "NO 6",
    "NO 7",  "NO 8",  "NO 9",  "NO 10", "NO 11", "NO 12",
};

void showVerdict(Session& s, Frm6fast& f) {
    const FassVerdict v = fassVerdict(s.st.Sys12thSkipWindow);
    s.st.i_fassnbrs = v.count;
    f.Label1.setBackColor(v.back);
    f.Label1.setCaption(v.text);
}

// Skips between neighbouring history rows, each read once: at[i] is the skip from row i (the
// older spin) to row i - 1, for every row i from 2 to 28 that holds a spin.
struct RowSkips {
    std::array<int32_t, 29> at{};
    std::array<bool, 29> filled{};
};

RowSkips rowSkips(Frm1basic& m) {
    RowSkips r;
    std::array<int, 29> spin{};
    for (int i = 1; i <= 28; ++i) {
        const std::string& t = m.Text1[i].text();
        r.filled[static_cast<size_t>(i)] = !t.empty();
        if (!t.empty()) spin[static_cast<size_t>(i)] = routines::spinOf(t);
    }
    for (size_t i = 2; i <= 28; ++i)
        if (r.filled[i]) r.at[i] = fast::calc_skip(spin[i], spin[i - 1]);
    return r;
}

// The FASS skips of the whole history, oldest first; only skips of this spin are summed.
void countHistorySkips(Session& s, const RowSkips& r) {
    auto& skips = s.st.Sys12thHistorySkips;
    size_t c = 0;
    int32_t sum = 0;
    for (size_t i = 28; i >= 2; --i) {
        if (!r.filled[i]) continue;
        skips[c] = r.at[i];
        sum += fast::FASS_numbers(skips[c]);
        ++c;
    }
    s.st.i_fassnbrs28 = sum;
}

}  // namespace

FassVerdict fassVerdict(const std::array<int32_t, 12>& window) {
    int count = 0;
    for (int32_t skip : window) count += fast::FASS_numbers(skip);
    const forms::Color back = count <= 4 ? colors::Green : colors::Red;
    return {count, VerdictTexts[count], back};
}

bool elimListReady(std::string_view s) {
    size_t start = 0;
    for (int item = 0; item < 4; ++item) {
        const size_t end = s.find(',', start);
        if (end == std::string_view::npos && item < 3) return false;
        if (!forms::isNumeric(s.substr(start, end == std::string_view::npos ? s.size() - start : end - start)))
            return false;
        start = end + 1;
    }
    return true;
}

void twelfthFastFirstPart(Session& s) {
    if (!settings::on(s, settings::Switch::FastActive)) return;
    Frm1basic& m = s.frm1basic();
    if (m.Text1[2].text().empty()) return;
    Frm6fast& f = s.frm6fast();
    auto& st = s.st;

    if (f.Check1.value() == 0) {
        // The window fills once and then holds: the engine leaves the fill index at 12.
        if (st.i_counterskips >= 0 && st.i_counterskips < WindowSize) {
            st.Sys12thSkipWindow[static_cast<size_t>(st.i_counterskips)] =
                fast::calc_skip(routines::spinOf(m.Text1[2].text()), routines::spinOf(m.Text1[1].text()));
            st.i_counterskips += 1;
        }
        showVerdict(s, f);
        return;
    }

    // The engine and the window need thirteen spins (after a Reset, say, there are fewer).
    if (m.Text1[RowsForTheEngine].text().empty()) return;

    const RowSkips skips = rowSkips(m);
    st.i_counterskips2 = 0;
    for (size_t i = RowsForTheEngine; i >= 2; --i) {
        st.Sys12thSkipWindow[static_cast<size_t>(st.i_counterskips2)] = skips.at[i];
        st.i_counterskips2 += 1;
    }
    showVerdict(s, f);

    // The bet of the previous spin, before the engine proposes the next one.
    st.s_oldstring = f.Text2[3].text();
    st.s_oldbet = f.Text2[4].text();
    f.Text2[0].setNumber(skips.at[2]);
    fast::writeLastSpin(s, m.Text1[1].text());

    countHistorySkips(s, skips);
    f.Label3.setNumber(st.i_fassnbrs28);

    // A box the player has edited into something that is not a number settles nothing.
    if (!elimListReady(st.s_oldstring) || !forms::isNumeric(f.Text1[3].text()) ||
        !forms::isNumeric(f.Text1[4].text()))
        return;
    const std::string& lastSpin = f.Text2[5].text();
    const auto partial = fast::calcwin(st.s_oldstring, lastSpin, st.s_oldbet);
    if (!partial) return;
    st.l_cwinpartial = *partial;
    st.l_cwinfast += static_cast<double>(*partial);
    f.Text1[4].setText(st.l_cwinfast.text());

    const auto cwin = forms::toInt64(f.Text1[4].text());
    if (!cwin) return;
    const bool target = *cwin >= st.l_20perc;
    f.Check1.setBackColor(target ? colors::Red : colors::Green);
    f.Text1[4].setBackColor(target ? colors::Red : CwinBack);

    if (f.Text2[1].text() == "LOW" && st.l_cwinpartial < 0) {
        f.Text2[4].setText(f.Text1[3].text());
        const auto e = fast::elimnbrs(routines::spinOf(lastSpin), st.s_minlosebet);
        if (e.s_elimnbr1) st.s_elimnbr1 = *e.s_elimnbr1;
        if (e.s_elimnbr2) st.s_elimnbr2 = *e.s_elimnbr2;
        f.Text2[3].setText(st.s_elimnbr1 + "," + st.s_elimnbr2);
    }
}

}  // namespace passes
