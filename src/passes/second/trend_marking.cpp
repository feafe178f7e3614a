#include "passes/second/trend_marking.h"

#include <array>

#include "forms/convert.h"
#include "passes/second/systems.h"
#include "settings/settings.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

namespace passes {

TrendResult trendSpin(std::span<const int> rows, bool b_trend) {
    TrendResult r;
    r.b_trend = b_trend;
    TrendCounts& c = r.counts;
    for (int n : rows) {
        if (n >= 1 && n <= 12) ++c.ll;
        else if (n >= 13 && n <= 24) ++c.mm;
        else if (n >= 25 && n <= 36) ++c.hh;
    }
    const auto unmark = [&r] {
        r = TrendResult{};
        r.action = TrendAction::Unmark;
        return r;
    };
    const auto mark = [&r](forms::Color colour) {
        r.action = TrendAction::Mark;
        r.colour = colour;
        r.b_trend = true;
        return r;
    };
    // An empty row or a zero in the window, or all three dozens present.
    if (c.ll + c.mm + c.hh != static_cast<int64_t>(rows.size())) return unmark();
    if (c.ll != 0 && c.mm != 0 && c.hh != 0) return unmark();
    if (c.ll == 0 && c.mm != 0 && c.hh != 0) return mark(TrendL);
    if (c.mm == 0 && c.ll != 0 && c.hh != 0) return mark(TrendM);
    if (c.hh == 0 && c.ll != 0 && c.mm != 0) return mark(TrendH);
    // A single dozen: a running mark stays, otherwise nothing is marked.
    if (c.hh != 0 || c.ll != 0 || c.mm != 0) return b_trend ? r : unmark();
    return r;  // an empty window
}

void trendMarking(Session& s) {
    const auto n = settings::historyRows(s, settings::Box::TrendCounter);
    if (!n) return;
    auto& f = s.frm1basic();
    std::array<int, 28> rows{};
    for (int i = 1; i <= *n; ++i) {
        const std::string& t = f.Text1[i].text();
        rows[static_cast<size_t>(i - 1)] = t.empty() ? -1 : forms::toInt(t).value_or(-1);
    }
    const TrendResult r = trendSpin(std::span<const int>(rows.data(), static_cast<size_t>(*n)), s.st.b_trend);

    auto& st = s.st;
    st.l_ll2 = r.counts.ll;
    st.l_mm2 = r.counts.mm;
    st.l_hh2 = static_cast<int32_t>(r.counts.hh);
    st.b_trend = r.b_trend;
    if (r.action == TrendAction::Keep) return;

    const forms::Color colour = r.action == TrendAction::Mark ? r.colour : TrendNone;
    for (int i = 1; i <= *n; ++i) {
        forms::Control& row = f.Text1[i];
        if (row.text().empty()) continue;
        f.Text2[i].setBackColor(colour);
        // The green row mark outlives the trend.
        if (row.backColor() != forms::colors::Green) row.setBackColor(colour);
    }
    f.Text10.setVisible(r.action == TrendAction::Mark);
    if (r.action == TrendAction::Mark) f.Text10.setBackColor(colour);
}

}  // namespace passes
