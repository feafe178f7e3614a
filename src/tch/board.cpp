#include "tch/board.h"

#include "panels/frm7tch.h"
#include "shell/frm1basic.h"
#include "shell/session.h"
#include "tch/alternation_rows.h"
#include "tch/common.h"
#include "tch/derived_rows.h"
#include "tch/gap_rows.h"
#include "tch/sleeper_rows.h"
#include "tch/streak_stats.h"
#include "tch/totals.h"

namespace tch {

namespace {

// History rows 1..5 and 12 as the rows read them; nullopt while row 1 holds no spin.
std::optional<Recent> recent(const Frm1basic& f) {
    Recent h;
    for (size_t k = 1; k < h.row.size(); ++k) {
        const std::string& t = f.Text1[static_cast<int>(k)].text();
        if (t.empty()) break;
        auto v = wholeNumber(t);
        if (!v || *v < 0 || *v > 36) break;
        h.row[k] = static_cast<int>(*v);
    }
    if (h.row[1] < 0) return std::nullopt;
    h.row12 = !f.Text1[12].text().empty();
    return h;
}

}  // namespace

// The rows in their fixed order; the totals see blocks 1 to 18 of this spin, the sector rows'
// Rounds boxes the sleeps as they stood before this spin.
void Command8_Click(Session& s) {
    const auto h = recent(s.frm1basic());
    if (!h) return;  // no spin in the history yet
    const int n = h->spin();
    auto& w = s.frm7tch();

    bookSleeperRows(s, w, 0, 5, n);                                                      // 1-5
    bookDerivedRows(s, w, *h);                                                           // 6-8
    bookSleeperRows(s, w, 5, 6, n);                                                      // 9
    bookAlternationRows(s, w, *h);                                                       // 10-12
    bookSwitchRow(s, w);                                                                 // 13
    bookSleeperRows(s, w, 6, FirstSectorRow, n);                                         // 14-18
    showTotalsAndRounds(s, w);                                                           // 19

    const auto gap = gapLimit(w);
    bookGapRows(s, w, 0, 1, *h, gap);                                                    // 20
    const SleeperLimits sectors = sleeperLimits(w, FirstSectorRow);
    bookSleeperRows(s, w, FirstSectorRow, SleeperRowCount, n, &sectors);                 // 21-27
    bookGapRows(s, w, 1, GapRowCount, *h, gap);                                          // 28-31
    bookStreakStatistics(s);                                                             // 32
}

}  // namespace tch
