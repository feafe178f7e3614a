#include "passes/first/eleventh_system.h"

#include "forms/convert.h"
#include "panels/frm3hgf.h"
#include "passes/first/hgf_statistics.h"
#include "passes/first/systems.h"
#include "routines/classify.h"
#include "settings/settings.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

namespace passes {

namespace eleventh {

std::array<int64_t, 7> countSpin(state::Sys11thState& st, int x, int32_t spins) {
    const auto c = static_cast<size_t>(routines::sixth(x));
    for (size_t i = 0; i < 7; ++i) {
        if (i == c) st.SixLineGapCount[i] = 0;
        else hgf::bump(st.SixLineGapCount[i]);
    }
    hgf::bump(st.SixLineHitCount[c]);
    const hgf::Hundredths perSpin(spins);
    std::array<int64_t, 7> figures{};
    for (size_t i = 0; i < 7; ++i) {
        figures[i] = perSpin(int64_t{st.SixLineHitCount[i]} * st.SixLineGapCount[i]);
        st.SixLineValue[i] = static_cast<double>(figures[i]) / 100.0;
    }
    return figures;
}

std::string_view nextStep(std::string_view current, int32_t count) {
    if (current == "0") return "1";
    if (current == "1") return count >= 5 ? "2" : "1";
    if (current == "2") return count >= 8 ? "3" : "2";
    if (current == "3") return count >= 10 ? "4" : "3";
    if (current == "4") return "5";
    if (current == "5") return "6";
    if (current == "6") return "7";
    return "D";
}

}  // namespace eleventh

namespace {

// A decimal setting; whole numbers, the usual case, take the short road.
std::optional<double> decimalSetting(Session& s, settings::Box b) {
    const std::string& t = settings::text(s, b);
    if (forms::isWholeNumberText(t))
        if (auto v = forms::toInt(t)) return *v;
    return forms::toDouble(t);
}

}  // namespace

void eleventhSystem(Session& s) {
    if (!settings::on(s, settings::Switch::HgfActive)) return;
    auto& st = s.st;
    auto& f = s.frm3hgf();

    const std::string& row1 = s.frm1basic().Text1[1].text();
    const int x = row1.empty() ? -1 : routines::spinOf(row1);
    if (x >= 0 && x <= 36) {
        const auto figures = eleventh::countSpin(st, x, st.l_general_cnt2);
        for (int i = 0; i <= 6; ++i) f.Text5[i].setText(hgf::hundredthsText(figures[static_cast<size_t>(i)]));
    }

    st.flag11 = false;
    for (int i = 0; i <= 5; ++i)
        if (f.Label4[i].backColor() == forms::colors::Green) st.flag11 = true;
    if (st.flag11) {
        hgf::bump(st.l_count11);
        f.Text6.setText(eleventh::nextStep(f.Text6.text(), st.l_count11));
    } else {
        st.l_count11 = 0;
        f.Text6.setText("0");
    }

    // Painted by the figure against "HGF Ratio >= " read as a decimal here.
    if (auto minValue = decimalSetting(s, settings::Box::HgfRatioMin)) {
        for (int i = 0; i <= 5; ++i) {
            const bool reached = st.SixLineValue[static_cast<size_t>(i)] >= *minValue;
            f.Text5[i].setBackColor(reached ? forms::colors::Green : forms::colors::White);
        }
    }
}

}  // namespace passes
