#include "tch/derived_rows.h"

#include <cmath>
#include <string>

#include "forms/amounts.h"
#include "panels/frm7tch.h"
#include "routines/wheel.h"
#include "settings/settings.h"
#include "shell/session.h"
#include "tch/fields.h"

namespace tch {

namespace {

constexpr std::array<DerivedRule, DerivedRowCount> Rules{{
    {Derived::Partners3, 3, &routines::Ladder3nb30},
    {Derived::FirstHgf, 1, &routines::Ladder1nbCw87},  // the ladder serves the arming stake
    {Derived::Partners4, 4, &routines::Ladder4nb40},
}};

struct Named {
    int64_t St::*cwin;
    int64_t St::*cwMin;
    int64_t St::*bb;
    int64_t St::*step;
    int64_t St::*bbMx;
    int64_t St::*cntW;
    int64_t St::*cntL;
    bool St::*justWon;
    bool St::*idle;
    int64_t St::*extra;  // nullptr: none
    std::array<NumField, 4> nums;
};

constexpr Named NamedRows[] = {
    {&St::l_cwin226, &St::l_mincw226, &St::i_bbet226, &St::i_cnt226, &St::i_bbmax226, &St::l_cntw226, &St::l_cntl226,
     &St::b_b226, &St::b_idle226, nullptr, {&St::no61, &St::no62, &St::no63, &St::no63}},
    {&St::l_cwin227, &St::l_mincw227, &St::i_bbet227, &St::i_cnt227, &St::i_bbmax227, &St::l_cntw227, &St::l_cntl227,
     &St::b_b227, &St::b_idle227, &St::i_cnt227_1, {&St::no7, &St::no7, &St::no7, &St::no7}},
    {&St::l_cwin228, &St::l_mincw228, &St::i_bbet228, &St::i_cnt228, &St::i_bbmax228, &St::l_cntw228, &St::l_cntl228,
     &St::b_b228, &St::b_idle228, &St::i_cntlos2208, {&St::no81, &St::no82, &St::no83, &St::no84}},
};

DerivedFields load(St& st, int row) {
    const Named& n = NamedRows[row];
    DerivedFields f;
    f.cwin = st.*n.cwin;
    f.cwMin = st.*n.cwMin;
    f.bb = st.*n.bb;
    f.step = st.*n.step;
    f.bbMx = st.*n.bbMx;
    f.cntW = st.*n.cntW;
    f.cntL = st.*n.cntL;
    f.extra = n.extra ? st.*n.extra : 0;
    f.justWon = st.*n.justWon;
    f.idle = st.*n.idle;
    for (size_t i = 0; i < 4; ++i) f.nums[i] = n.nums[i].in(st).get();
    // The last number of the partner rows stays not set until the first derivation.
    f.hasNumbers = row == 1 || !(st.*n.nums[Rules[static_cast<size_t>(row)].n - 1].unset).empty();
    return f;
}

void store(St& st, int row, const DerivedFields& f, bool derived) {
    const Named& n = NamedRows[row];
    st.*n.cwin = f.cwin;
    st.*n.cwMin = f.cwMin;
    st.*n.bb = f.bb;
    st.*n.step = f.step;
    st.*n.bbMx = f.bbMx;
    st.*n.cntW = f.cntW;
    st.*n.cntL = f.cntL;
    if (n.extra) st.*n.extra = f.extra;
    st.*n.justWon = f.justWon;
    st.*n.idle = f.idle;
    if (derived)
        for (size_t i = 0; i < static_cast<size_t>(Rules[static_cast<size_t>(row)].n); ++i) n.nums[i].in(st).set(f.nums[i]);
}

// Round(Round(|cwin| * P) / 2), at least 1; a percentage that cannot be read or a product beyond
// range leaves the stake as it was.
void stakeFromLoss(DerivedFields& f, const std::optional<double>& percent) {
    if (!percent) return;
    const double x = forms::roundEven(forms::roundEven(std::fabs(static_cast<double>(f.cwin)) * *percent) / 2);
    if (auto bb = forms::toInt(x)) f.bb = *bb < 1 ? 1 : *bb;
}

}  // namespace

std::optional<int64_t> firstListNumber(const std::vector<std::string>& items) {
    if (items.size() < 2 || !forms::isNumeric(items[1])) return std::nullopt;
    auto v = forms::toInt(items[1]);
    if (!v) return std::nullopt;
    return *v;
}

const DerivedRule& derivedRule(int row) { return Rules[static_cast<size_t>(row)]; }

Paint derivedSpin(const DerivedRule& r, DerivedFields& f, const DerivedInputs& in) {
    const int64_t L = in.limit;
    const auto n = static_cast<size_t>(r.n);
    Paint p = Paint::None;

    // 1. Fresh numbers only while the row is not betting.
    if (!in.green && in.fresh) {
        f.nums = *in.fresh;
        f.hasNumbers = true;
    }

    // 2. Settlement. An idle row books nothing, whatever the limit.
    if (!f.idle && f.step >= 0 && f.step <= L - 1) {
        bool hit = false;
        for (size_t i = 0; i < n; ++i) hit = hit || f.nums[i] == in.spin;
        // The first HGF row stakes a typed share of its loss: results stay at the range's end.
        if (hit) {
            f.cwin = forms::satAdd(f.cwin, forms::satMul(36 - r.n, f.bb));
            f.bb = 1;
            f.step = IdleStep;
            f.idle = true;
            ++f.cntW;
            p = Paint::Idle;
            f.justWon = true;
            if (r.kind != Derived::Partners3) f.extra = 0;
        } else {
            ++f.step;
            f.cwin = forms::satSub(f.cwin, forms::satMul(r.n, f.bb));
            if (r.kind == Derived::FirstHgf) {
                if (f.cwin < 0) {
                    ++f.extra;
                    stakeFromLoss(f, in.lossPercent);
                } else {
                    f.bb = 1;
                }
                if (f.extra > 87) f.extra = 0;
            } else {
                f.bb = routines::ladderStake(*r.ladder, f.step);
            }
            const bool ends = r.kind == Derived::Partners4 ? f.step == L - 1 : f.step == L;
            if (ends) {
                ++f.cntL;
                p = Paint::Idle;
                if (f.bb > f.bbMx) f.bbMx = f.bb;
                f.bb = 1;
                if (r.kind == Derived::Partners4) {
                    f.step = IdleStep;
                    f.idle = true;
                    ++f.extra;
                }
            }
        }
    } else if (!f.idle && f.step == L) {
        // The spin after the last miss closes the run unsettled.
        f.step = IdleStep;
        f.idle = true;
        p = Paint::Idle;
    }

    // 3. Extremes.
    if (f.cwin < f.cwMin) f.cwMin = f.cwin;
    if (r.kind == Derived::FirstHgf) {
        if (f.cwin > 0) f.extra = 0;
    } else if (f.bb > f.bbMx) {
        f.bbMx = f.bb;
    }

    // 4. Arming; an idle row arms whatever its limit.
    bool arm = false;
    switch (r.kind) {
        case Derived::Partners3:
            arm = (f.idle || f.step > L) && in.armReady && !f.justWon && f.hasNumbers;
            break;
        case Derived::FirstHgf:
            arm = in.spin == f.nums[0] && (f.idle || f.step >= L) && !f.justWon;
            break;
        case Derived::Partners4:
            arm = (f.idle || f.step >= L) && !f.justWon && in.armReady;
            break;
    }
    if (arm) {
        f.step = 0;
        f.idle = false;
        p = Paint::Bet;
        if (r.kind != Derived::Partners3) f.bb = 1;
        if (r.kind == Derived::FirstHgf && f.cwin < 0) f.bb = routines::ladderStake(*r.ladder, f.extra);
    }
    f.justWon = false;
    return p;
}

namespace {

// The partners of history rows 1..k (rows that hold spins).
std::array<int64_t, 4> partners(const Recent& h, int k) {
    std::array<int64_t, 4> out{};
    for (int i = 1; i <= k; ++i) out[static_cast<size_t>(i - 1)] = routines::f_select1nbFromAnother1(h.row[static_cast<size_t>(i)]);
    return out;
}

// Rows 1..k hold pairwise different spins (the history holds each spin as one canonical text).
bool allDifferent(const Recent& h, int k) {
    for (size_t i = 1; i <= static_cast<size_t>(k); ++i)
        for (size_t j = i + 1; j <= static_cast<size_t>(k); ++j)
            if (h.row[i] == h.row[j]) return false;
    return true;
}


// The row's numbers, blank-separated, built on the stack; a variable not set adds nothing.
class Caption {
public:
    Caption& num(int64_t v) {
        n_ += forms::numTextTo(buf_ + n_, v);
        return *this;
    }
    Caption& num(const forms::Var& v) {
        if (!v.empty()) n_ += forms::numTextTo(buf_ + n_, v.value());
        return *this;
    }
    Caption& blank() {
        buf_[n_++] = ' ';
        return *this;
    }
    std::string_view view() const { return {buf_, n_}; }

private:
    char buf_[5 * forms::NumTextMax + 4];
    size_t n_ = 0;
};

void showCaption(forms::Control& label, const St& st, int row) {
    Caption c;
    switch (row) {
        case 0: c.num(st.no62).blank().num(st.no61).blank().num(st.no63); break;
        case 1: c.num(st.no7); break;
        default: c.num(st.no81).blank().num(st.no82).blank().num(st.no83).blank().num(st.no84); break;
    }
    label.setCaption(c.view());
}

}  // namespace

namespace {

[[gnu::always_inline]] inline void bookRow(Session& s, Frm7tch& w, int row, const Recent& h) {
    const DerivedRule& r = Rules[static_cast<size_t>(row)];
    const auto& b = tchbox::DerivedRows[static_cast<size_t>(row)];
    // A limit that is not a whole number: the row sits this spin out.
    const auto limit = wholeLimit(w.Text1[b.limit]);
    if (!limit) return;
    auto& label = w.Label1[b.label];

    DerivedInputs in;
    in.spin = h.spin();
    in.limit = *limit;
    in.green = label.foreColor() == Bet;
    switch (r.kind) {
        case Derived::Partners3:
            if (!in.green && h.row[3] >= 0 && allDifferent(h, 3)) in.fresh = partners(h, 3);
            in.armReady = h.row[3] >= 0;
            break;
        case Derived::FirstHgf:
            if (!in.green && h.row12)
                if (auto v = firstListNumber(s.st.HgfListItems.items)) in.fresh = std::array<int64_t, 4>{*v, 0, 0, 0};
            in.armReady = true;
            break;
        case Derived::Partners4:
            if (!in.green && h.row[5] >= 0) in.fresh = partners(h, 4);
            in.armReady = h.row[5] >= 0 && allDifferent(h, 5);
            break;
    }
    const DerivedFields before = load(s.st, row);
    if (r.kind == Derived::FirstHgf && !before.idle)
        in.lossPercent = settings::number(s, settings::Box::BaseBetPercentFromLost);
    DerivedFields f = before;
    const Paint p = derivedSpin(r, f, in);
    const bool derived = !in.green && in.fresh;
    store(s.st, row, f, derived);

    paint(label, p);
    put(w.Text1, b.cwin, before.cwin, f.cwin);
    put(w.Text1, b.cwMin, before.cwMin, f.cwMin);
    put(w.Text1, b.bb, before.bb, f.bb);
    put(w.Text1, b.bbMx, before.bbMx, f.bbMx);
    put(w.Text1, b.cntW, before.cntW, f.cntW);
    put(w.Text1, b.cntL, before.cntL, f.cntL);
    // The design caption "-" gives way to the numbers on the first spin.
    bool renumbered = false;
    for (size_t i = 0; i < static_cast<size_t>(r.n); ++i) renumbered = renumbered || f.nums[i] != before.nums[i];
    if ((derived && renumbered) || label.caption() == "-") showCaption(label, s.st, row);
    if (b.extra >= 0) put(w.Text1, b.extra, before.extra, f.extra);
    if (!f.idle) w.Text1[b.betsLeft].setNumber(*limit - f.step);
}

}  // namespace

void bookDerivedRows(Session& s, Frm7tch& w, const Recent& h) {
    for (int row = 0; row < DerivedRowCount; ++row) bookRow(s, w, row, h);
}

}  // namespace tch
