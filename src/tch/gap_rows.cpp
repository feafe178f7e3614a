#include "tch/gap_rows.h"

#include "panels/frm7tch.h"
#include "shell/session.h"
#include "tch/fields.h"

namespace tch {

namespace {

constexpr std::array<GapRule, GapRowCount> Rules{{
    {"7,17,27", false},
    {"4,14,24,34", false},
    {"6,16,26,36", false},
    {"5,15,25,35", true},
    {"8,18,28", false},
}};

struct Named {
    int64_t St::*cwin;
    int64_t St::*cwMin;
    int64_t St::*bb;
    int64_t St::*bbMx;
    int64_t St::*count;
    NumField countMax;
    bool St::*betting;
};

constexpr Named NamedRows[GapRowCount] = {
    {&St::GapRow77Cwin, &St::l_cwin30min, &St::i_bbet30, &St::i_bbet30max, &St::i_prgcnt30, &St::i_prgcnt30max,
     &St::b_pattern30},
    {&St::l_cwin301, &St::l_cwin301min, &St::i_bbet301, &St::i_bbet301max, &St::i_prgcnt301, &St::i_prgcnt301max,
     &St::b_pattern301},
    {&St::l_cwin302, &St::l_cwin302min, &St::i_bbet302, &St::i_bbet302max, &St::i_prgcnt302, &St::i_prgcnt302max,
     &St::b_pattern302},
    {&St::l_cwin303, &St::l_cwin303min, &St::i_bbet303, &St::i_bbet303max, &St::i_prgcnt303, &St::i_prgcnt303max,
     &St::b_pattern303},
    {&St::l_cwin304, &St::l_cwin304min, &St::i_bbet304, &St::i_bbet304max, &St::i_prgcnt304, &St::i_prgcnt304max,
     &St::b_pattern304},
};

bool armedBy(const GapRule& r, const std::array<int, 3>& rows) {
    if (r.repeat) return holds(r.g, rows[0]) && rows[0] == rows[1];
    return holds(r.g, rows[0]) && !holds(r.g, rows[1]) && holds(r.g, rows[2]);
}

}  // namespace

const GapRule& gapRule(int row) { return Rules[static_cast<size_t>(row)]; }

Paint gapSpin(const GapRule& r, GapFields& f, const GapInputs& in) {
    Paint p = Paint::None;
    if (f.betting) {
        if (holds(r.g, in.spin)) {
            f.cwin += (36 - r.n) * f.bb;
            f.bb = 1;
            f.count = 0;
            f.betting = false;
            p = Paint::Idle;
        } else {
            ++f.count;
            f.cwin -= r.n * f.bb;
            const auto& ladder = r.n == 4 ? routines::Ladder4nb40 : routines::Ladder3nb30;
            f.bb = routines::ladderStake(ladder, f.count);
            // Four-number rows end their runs three bets earlier.
            if (f.count + (r.n == 4 ? 3 : 0) > in.limit) {
                f.bb = 1;
                f.count = 0;
                f.betting = false;
                p = Paint::Idle;
            }
        }
    }
    // A run that ended on this spin may start again at once.
    if (!f.betting && in.rows && armedBy(r, *in.rows)) {
        f.betting = true;
        f.count = 1;
        p = Paint::Bet;
    }
    if (f.cwin < f.cwMin) f.cwMin = f.cwin;
    if (f.bb > f.bbMx) f.bbMx = f.bb;
    if (f.count > f.countMax) f.countMax = f.count;
    return p;
}

std::optional<int64_t> gapLimit(const Frm7tch& w) { return wholeLimit(w.Text1[tchbox::GapRowLimit]); }

void bookGapRows(Session& s, Frm7tch& w, int first, int end, const Recent& h, std::optional<int64_t> limit) {
    if (!limit) return;
    auto& st = s.st;
    GapInputs in{h.spin(), *limit, std::nullopt};
    if (h.row[3] >= 0) in.rows = std::array<int, 3>{h.row[1], h.row[2], h.row[3]};

    for (int row = first; row < end; ++row) {
        const GapRule& r = Rules[static_cast<size_t>(row)];
        const auto& b = tchbox::GapRows[static_cast<size_t>(row)];
        const Named& n = NamedRows[row];
        Num countMax = n.countMax.in(st);
        const GapFields before{st.*n.cwin, st.*n.cwMin, st.*n.bb, st.*n.bbMx, st.*n.count, countMax.get(), st.*n.betting};
        GapFields f = before;
        const Paint p = gapSpin(r, f, in);
        st.*n.cwin = f.cwin;
        st.*n.cwMin = f.cwMin;
        st.*n.bb = f.bb;
        st.*n.bbMx = f.bbMx;
        st.*n.count = f.count;
        countMax.set(f.countMax);
        st.*n.betting = f.betting;

        paint(w.Label1, b.label, p);
        put(w.Text1, b.cwin, before.cwin, f.cwin);
        put(w.Text1, b.cwMin, before.cwMin, f.cwMin);
        put(w.Text1, b.count, before.count, f.count);
        put(w.Text1, b.bb, before.bb, f.bb);
        put(w.Text1, b.bbMx, before.bbMx, f.bbMx);
        put(w.Text1, b.countMax, before.countMax, f.countMax);
    }
}

}  // namespace tch
