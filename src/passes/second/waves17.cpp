#include "passes/second/waves17.h"

#include <limits>

#include "forms/amounts.h"
#include "forms/convert.h"
#include "panels/frm3hgf.h"
#include "panels/frm5help.h"
#include "passes/second/systems.h"
#include "routines/state_value.h"
#include "routines/waves.h"
#include "shell/session.h"

namespace passes {

namespace {

namespace colors = forms::colors;

bool allPicked(const Frm3hgf& h) {
    for (int k = 0; k < 4; ++k)
        if (h.WaveBoxes(k).text() == routines::WaveFree) return false;
    return true;
}

void countUp(int32_t& c) {
    if (c < std::numeric_limits<int32_t>::max()) ++c;
}

}  // namespace

void seventeenthWaves(Session& s) {
    auto& h = s.frm3hgf();
    if (!allPicked(h)) return;
    auto& st = s.st;

    // 1. The waves of this window book the spin; the window's last spin moves one wave.
    if (const auto w = waveWindow(st.i_spincnt17)) {
        static constexpr void (*Trackers[4])(Session&) = {routines::FN17, routines::SN17, routines::TN17,
                                                           routines::FON17};
        for (int k = 0; k < 4; ++k)
            if (w->waves & (1u << k)) Trackers[k](s);
        if (windowEnds(st.i_spincnt17))
            h.WaveBoxes(w->box - 1).setBackColor(w->inPlay ? colors::BrightGreen : colors::White);
    }

    // 2, 3. Position and spins before this spin's count.
    h.Text13[9].setNumber(int64_t{st.i_spincnt17});
    h.Text13[11].setNumber(int64_t{st.i_allspins17});
    countUp(st.i_spincnt17);
    countUp(st.i_allspins17);
    const std::array<int64_t, 4> cwin = {routines::asInt(st.i_cwin17_1), routines::asInt(st.i_cwin17_2),
                                         routines::asInt(st.i_cwin17_3), routines::asInt(st.i_cwin17_4)};
    for (int k = 0; k < 4; ++k) h.Text13[k].setNumber(cwin[static_cast<size_t>(k)]);

    // 4. The sum and its low.
    st.i_ccwin17 = forms::satSum({cwin[0], cwin[1], cwin[2], cwin[3]});
    h.Text13[8].setNumber(st.i_ccwin17);
    if (st.i_ccwin17 < st.i_minccwin17) st.i_minccwin17 = st.i_ccwin17;
    h.Text13[10].setNumber(st.i_minccwin17);

    // 5. Profit: booked, and the system waits for four new numbers.
    if (st.i_ccwin17 <= 0) return;
    for (int k = 0; k < 4; ++k) {
        h.WaveBoxes(k).setText(routines::WaveFree);
        h.WaveBoxes(k).setBackColor(colors::White);
    }
    st.l_ccwin17all = forms::satAdd(st.l_ccwin17all, st.i_ccwin17);
    st.i_cwin17_1 = 0;
    st.i_cwin17_2 = 0;
    st.i_cwin17_3 = 0;
    st.i_cwin17_4 = 0;
    st.i_bbet17_1 = 1;
    st.i_bbet17_2 = 1;
    st.i_bbet17_3 = 1;
    st.i_bbet17_4 = 1;
    st.i_ccwin17 = 0;
    for (int k = 0; k < 4; ++k) {
        h.Text13[k].setText("0");
        h.Text13[4 + k].setText("1");
    }
    st.i_spincnt17 = 1;
    st.i_allspins17 = 1;
    s.frm5help().Text1[1].setNumber(st.l_ccwin17all);
}

}  // namespace passes
