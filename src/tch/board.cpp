#include "tch/board.h"

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

void standardRow(Session& s, int row, int spin) { bookSleeperRow(s, row, spin, sleeperLimits(s, row)); }

}  // namespace

// The rows in their fixed order; the totals see blocks 1 to 18 of this spin, the sector rows'
// Rounds boxes the sleeps as they stood before this spin.
void Command8_Click(Session& s) {
    const auto spin = spinOf(s.frm1basic().Text1[1].text());
    if (!spin) return;  // no spin in the history yet
    const int n = *spin;

    for (int row = 0; row < 5; ++row) standardRow(s, row, n);           // 1-5   finals, "11,22,33"
    for (int row = 0; row < DerivedRowCount; ++row) bookDerivedRow(s, row, n);  // 6-8
    standardRow(s, 5, n);                                               // 9     "4,14,24,34"
    for (int row = 0; row < AlternationRowCount; ++row) bookAlternationRow(s, row, n);  // 10-12
    bookSwitchRow(s);                                                   // 13
    for (int row = 6; row < FirstSectorRow; ++row) standardRow(s, row, n);  // 14-18
    showTotalsAndRounds(s);                                             // 19

    const auto gap = gapLimit(s);
    bookGapRow(s, 0, n, gap);                                           // 20    "7-X-7"
    const SleeperLimits sectors = sleeperLimits(s, FirstSectorRow);
    for (int row = FirstSectorRow; row < SleeperRowCount; ++row) bookSleeperRow(s, row, n, sectors);  // 21-27
    for (int row = 1; row < GapRowCount; ++row) bookGapRow(s, row, n, gap);  // 28-31
    bookStreakStatistics(s);                                            // 32
}

}  // namespace tch
