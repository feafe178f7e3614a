#include "forms/convert.h"
#include "panels/frm3hgf.h"
#include "routines/state_value.h"
#include "routines/waves.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

namespace routines {

namespace {

// Wave k (1..4).
template <typename F>
void trackWave(Session& s, int k, F& cwin, F& bbet) {
    auto& hgf = s.frm3hgf();
    const forms::Control& box = hgf.Text12[k - 1];
    WaveAccount w{asInt(cwin), asInt(bbet)};
    const bool active = box.backColor() == forms::colors::BrightGreen;
    const bool staked = bookWave(w, box.text(), active, s.frm1basic().Text1[1].text());
    setInt(cwin, w.cwin);
    setInt(bbet, w.bbet);
    if (staked) hgf.Text13[3 + k].setText(forms::numText(w.bbet));
}

}  // namespace

void FN17(Session& s) { trackWave(s, 1, s.st.i_cwin17_1, s.st.i_bbet17_1); }
void SN17(Session& s) { trackWave(s, 2, s.st.i_cwin17_2, s.st.i_bbet17_2); }
void TN17(Session& s) { trackWave(s, 3, s.st.i_cwin17_3, s.st.i_bbet17_3); }
void FON17(Session& s) { trackWave(s, 4, s.st.i_cwin17_4, s.st.i_bbet17_4); }

}  // namespace routines
