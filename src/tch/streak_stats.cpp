#include "tch/streak_stats.h"

#include "panels/frm5help.h"
#include "shell/frm1basic.h"
#include "shell/session.h"
#include "tch/common.h"

namespace tch {

Streaks scanStreaks(const std::array<int, 27>& codes, std::array<int64_t, 3>& records) {
    return scanStreaksBy([&codes](int i) { return codes[static_cast<size_t>(i)]; }, records);
}

std::optional<int> newCurrentRecord(const Streaks& s, int64_t m) {
    for (int k = 0; k < 3; ++k) {
        const int64_t r = s.run[static_cast<size_t>(k)];
        bool beats = r > m;
        for (int j = 0; j < 3; ++j)
            if (j != k) beats = beats && r > s.run[static_cast<size_t>(j)];
        if (beats) return k;
    }
    return std::nullopt;
}

void bookStreakStatistics(Session& s) {
    auto& st = s.st;
    auto& main = s.frm1basic();
    std::vector<forms::Control*>& codeBoxes = main.streakCodes;
    if (codeBoxes.empty())
        for (int i = 0; i < 27; ++i) codeBoxes.push_back(&main.Label5[27 - i]);
    forms::Control* const* codes = codeBoxes.data();
    std::array<int64_t, 3> records{st.i_20thmax_1, st.i_20thmax_2, st.i_20thmax_3};
    const std::array<int64_t, 3> before = records;
    // Rows 27 down to 1, each code read as the scan reaches it.
    const Streaks runs = scanStreaksBy(
        [&codes](int i) {
            const std::string& c = codes[i]->caption();
            return c.size() == 1 && c[0] >= '1' && c[0] <= '3' ? c[0] - '0' : 0;
        },
        records);
    st.i_20th_1 = forms::Var(runs.run[0]);
    st.i_20th_2 = forms::Var(runs.run[1]);
    st.i_20th_3 = runs.run[2];
    st.i_20thmax_1 = records[0];
    st.i_20thmax_2 = records[1];
    st.i_20thmax_3 = records[2];

    auto& help = s.frm5help();
    for (size_t k = 0; k < 3; ++k) put(help.Text1, 18 + static_cast<int>(k), before[k], records[k]);

    // The record lives in its box, which the player may overwrite; text that is no number stops it.
    auto& current = help.Text1[17];
    const auto m = forms::toInt(current.text());
    if (!m) return;
    if (auto k = newCurrentRecord(runs, *m)) {
        current.setNumber(runs.run[static_cast<size_t>(*k)]);
        current.setBackColor(StreakColour[*k]);
    }
}

}  // namespace tch
