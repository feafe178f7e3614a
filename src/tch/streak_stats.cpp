#include "tch/streak_stats.h"

#include "panels/frm5help.h"
#include "shell/frm1basic.h"
#include "shell/session.h"
#include "tch/common.h"

namespace tch {

Streaks scanStreaks(const std::array<int, 27>& codes, std::array<int64_t, 3>& records) {
    // At most one run is open at a time: the column of the last code and its length.
    int column = -1;
    int64_t length = 0;
    for (int c : codes) {
        if (c < 1 || c > 3) {
            column = -1;
            length = 0;
            continue;
        }
        const int k = c - 1;
        length = k == column ? length + 1 : 1;
        column = k;
        if (length > records[static_cast<size_t>(k)]) records[static_cast<size_t>(k)] = length;
    }
    Streaks s;
    if (column >= 0) s.run[static_cast<size_t>(column)] = length;
    return s;
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
    const auto& codes = s.frm1basic().Label5;
    std::array<int, 27> oldestFirst{};
    for (int k = 27; k >= 1; --k) {
        const std::string& c = codes[k].caption();
        oldestFirst[static_cast<size_t>(27 - k)] = c.size() == 1 && c[0] >= '1' && c[0] <= '3' ? c[0] - '0' : 0;
    }
    std::array<int64_t, 3> records{st.i_20thmax_1, st.i_20thmax_2, st.i_20thmax_3};
    const std::array<int64_t, 3> before = records;
    const Streaks runs = scanStreaks(oldestFirst, records);
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
