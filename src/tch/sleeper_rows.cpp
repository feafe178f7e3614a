#include "tch/sleeper_rows.h"

#include "panels/frm7tch.h"
#include "shell/session.h"
#include "tch/fields.h"

namespace tch {

namespace {

using routines::Ladder;

// Row "22,29" stakes 1 on every step of its wide group.
inline constexpr Ladder FlatOne{{}, 1, false};

constexpr const Ladder* ladderFor(const char* caption) {
    return sizeOf(groupOf(caption)) == 4 ? &routines::Ladder4nb40 : &routines::Ladder3nb30;
}

constexpr SleeperRule standard(int k) {
    const char* c = tchbox::StandardRows[static_cast<size_t>(k)].caption;
    return {c, {}, ladderFor(c), nullptr, 0};
}

constexpr const Ladder* Two = &routines::Ladder2nb60;
constexpr const Ladder* ThreeToFive = &routines::Ladder3to5nb40;

constexpr std::array<SleeperRule, SleeperRowCount> Rules{{
    standard(0), standard(1), standard(2), standard(3), standard(4), standard(5),
    standard(6), standard(7), standard(8), standard(9), standard(10),
    {"22,29", "7,9,18,22,29", Two, &FlatOne, 1},
    {"5,10,24", "23,10,5,24,16", ThreeToFive, ThreeToFive, 0},
    {"2,4,21", "19,2,21,4,25", ThreeToFive, ThreeToFive, 1},
    {"6,34,27", "17,34,6,27,13", ThreeToFive, ThreeToFive, 1},
    {"1,14,20", "33,14,1,20,31", ThreeToFive, ThreeToFive, 1},
    {"14,35", "14,35,6,25,12", Two, ThreeToFive, 1},
    {"30,8,23", "11,30,8,23,10", ThreeToFive, ThreeToFive, 1},
}};

static_assert(sizeOf(Rules[0].core) == 4 && sizeOf(Rules[3].core) == 4 && holds(Rules[3].core, 0));
static_assert(Rules[11].coreSize == 2 && Rules[17].wideSize == 5 && Rules[0].wide == 0 && Rules[1].coreSize == 3);

// Where a row shows itself on the window.
struct Boxes {
    int label, cwin, cwMin, sleep, bb, bbMx, limit;
    bool highlight;
};
constexpr std::array<Boxes, SleeperRowCount> makeBoxes() {
    std::array<Boxes, SleeperRowCount> out{};
    size_t k = 0;
    for (const auto& r : tchbox::StandardRows)
        out[k++] = {r.label, r.cwin, r.cwMin, r.sleep, r.bb, r.bbMx, r.limit, r.highlight};
    for (const auto& r : tchbox::SectorRows)
        out[k++] = {r.label, r.cwin, r.cwMin, r.sleep, r.bb, r.bbMx, tchbox::SectorSleepLimit, false};
    return out;
}
constexpr auto RowBoxes = makeBoxes();
static_assert([] {
    for (int k = 0; k < SleeperRowCount; ++k)
        if (Rules[static_cast<size_t>(k)].wideCaption.empty() != (k < FirstSectorRow) ||
            (k >= FirstSectorRow && RowBoxes[static_cast<size_t>(k)].highlight))
            return false;
    return true;
}(), "standard rows never widen; sector rows always may and have no highlight");

// The named fields of the standard rows and of sector row 1; sector rows 2..7 keep theirs in
// the Sector tables at index r - 1.
struct Named {
    int64_t St::*cwin;
    int64_t St::*cwMin;
    int64_t St::*bb;
    int64_t St::*step;
    int64_t St::*bbMx;
    NumField sleep;
};
constexpr Named NamedRows[] = {
    {&St::l_cwin220, &St::l_mincw220, &St::i_bbet220, &St::i_cnt220, &St::i_bbmax220, &St::i_cntnon220},
    {&St::l_cwin222, &St::l_mincw222, &St::i_bbet222, &St::i_cnt222, &St::i_bbmax222, &St::i_cntnon222},
    {&St::l_cwin223, &St::l_mincw223, &St::i_bbet223, &St::i_cnt223, &St::i_bbmax223, &St::i_cntnon223},
    {&St::l_cwin224, &St::l_mincw224, &St::i_bbet224, &St::i_cnt224, &St::i_bbmax224, &St::i_cntnon224},
    {&St::l_cwin225, &St::l_mincw225, &St::i_bbet225, &St::i_cnt225, &St::i_bbmax225, &St::i_cntnon225},
    {&St::l_cwin229, &St::l_mincw229, &St::i_bbet229, &St::i_cnt229, &St::i_bbmax229, &St::i_cntnon229},
    {&St::l_cwin2214, &St::l_mincw2214, &St::i_bbet2214, &St::i_cnt2214, &St::i_bbmax2214, &St::i_cntnon2214},
    {&St::l_cwin2215, &St::l_mincw2215, &St::i_bbet2215, &St::i_cnt2215, &St::i_bbmax2215, &St::i_cntnon2215},
    {&St::l_cwin2216, &St::l_mincw2216, &St::i_bbet2216, &St::i_cnt2216, &St::i_bbmax2216, &St::i_cntnon2216},
    {&St::l_cwin2217, &St::l_mincw2217, &St::i_bbet2217, &St::i_cnt2217, &St::i_bbmax2217, &St::i_cntnon2217},
    {&St::l_cwin2218, &St::l_mincw2218, &St::i_bbet2218, &St::i_cnt2218, &St::i_bbmax2218, &St::i_cntnon2218},
    {&St::l_cwin2219, &St::l_mincw2219, &St::i_bbet2219, &St::i_cnt2219, &St::i_bbmax2219, &St::i_cntnon2219},
};
static_assert(std::size(NamedRows) == FirstSectorRow + 1);

int64_t stakeAfterMiss(const SleeperRule& r, bool wide, int64_t step, const std::optional<int64_t>& ladderLimit) {
    // A ladder limit that cannot be read keeps the ladder.
    if (!wide) return !ladderLimit || step < *ladderLimit ? routines::ladderStake(*r.ladder, step) : r.pastLadderStake;
    return !ladderLimit || step <= *ladderLimit ? routines::ladderStake(*r.wideLadder, step) : r.pastLadderStake;
}

// One spin on one row; inlined into the booking, which runs it eighteen times a spin.
[[gnu::always_inline]] inline Paint spinRow(const SleeperRule& r, SleeperFields& f, int spin, const SleeperLimits& lim) {
    const bool wide = !r.wideCaption.empty() && lim.widen && f.step >= *lim.widen;
    const Group g = wide ? r.wide : r.core;
    const int64_t k = wide ? r.wideSize : r.coreSize;
    const bool hit = holds(g, spin);
    Paint p = Paint::None;

    // A limit that cannot be read is never reached: the row keeps counting and waits.
    if (!lim.sleep || f.sleep < *lim.sleep) {
        f.sleep = hit ? 0 : f.sleep + 1;
    } else if (hit) {
        f.cwin += (36 - k) * f.bb;
        f.bb = 1;
        f.sleep = 0;
        p = Paint::Idle;
    } else {
        ++f.sleep;
        ++f.step;
        f.cwin -= k * f.bb;
        f.bb = stakeAfterMiss(r, wide, f.step, lim.ladder);
    }
    if (lim.sleep && f.sleep == *lim.sleep) {
        f.step = 1;
        p = Paint::Bet;
    }

    if (f.cwin < f.cwMin) f.cwMin = f.cwin;
    if (f.sleep > f.maxSleep) f.maxSleep = f.sleep;
    if (f.bb > f.bbMx) f.bbMx = f.bb;
    return p;
}

}  // namespace

const SleeperRule& sleeperRule(int row) { return Rules[static_cast<size_t>(row)]; }

bool playsWide(const SleeperRule& r, int64_t step, const SleeperLimits& lim) {
    return !r.wideCaption.empty() && lim.widen && step >= *lim.widen;
}

Paint sleeperSpin(const SleeperRule& r, SleeperFields& f, int spin, const SleeperLimits& lim) {
    return spinRow(r, f, spin, lim);
}

SleeperLimits sleeperLimits(const Frm7tch& w, int row) {
    auto& box = w.Text1;
    if (row < FirstSectorRow) return {wholeLimit(box[RowBoxes[static_cast<size_t>(row)].limit]), {}, {}};
    return {wholeLimit(box[tchbox::SectorSleepLimit]), wholeLimit(box[tchbox::SectorLadderLimit]),
            wholeLimit(box[tchbox::SectorWidenStep])};
}

namespace {

// One row booked and shown. Standard rows read their own limit and never widen; sector rows
// share their limits, widen, and have no highlight.
// A row's boxes, in the order of Boxes, as the window keeps them after the first spin.
struct RowControls {
    forms::Control* const* p;
    forms::Control& label() const { return *p[0]; }
    forms::Control& cwin() const { return *p[1]; }
    forms::Control& cwMin() const { return *p[2]; }
    forms::Control& sleep() const { return *p[3]; }
    forms::Control& bb() const { return *p[4]; }
    forms::Control& bbMx() const { return *p[5]; }
    forms::Control& limit() const { return *p[6]; }
};
constexpr int PerRow = 7;

forms::Control* const* rowControls(Frm7tch& w) {
    std::vector<forms::Control*>& c = w.sleeperBoxes;
    if (c.empty()) {
        c.reserve(SleeperRowCount * PerRow);
        for (const Boxes& b : RowBoxes) {
            c.push_back(&w.Label1[b.label]);
            for (int i : {b.cwin, b.cwMin, b.sleep, b.bb, b.bbMx, b.limit}) c.push_back(&w.Text1[i]);
        }
    }
    return c.data();
}

inline void put(forms::Control& box, int64_t before, int64_t after) {
    if (before != after) box.setNumber(after);
}

template <bool Sector>
[[gnu::always_inline]] inline void bookRow(St& st, const RowControls& c, int row, int spin, const SleeperLimits& lim) {
    const SleeperRule& r = Rules[static_cast<size_t>(row)];
    const Boxes& b = RowBoxes[static_cast<size_t>(row)];
    int64_t& maxSleep = st.MaxSleepTable[static_cast<size_t>(row)];
    SleeperFields before;
    SleeperFields f;
    Paint p;
    if (row <= FirstSectorRow) {
        const Named& n = NamedRows[row];
        Num sleep = n.sleep.in(st);
        before = {st.*n.cwin, st.*n.cwMin, st.*n.bb, st.*n.step, st.*n.bbMx, sleep.get(), maxSleep};
        f = before;
        p = spinRow(r, f, spin, lim);
        st.*n.cwin = f.cwin;
        st.*n.cwMin = f.cwMin;
        st.*n.bb = f.bb;
        st.*n.step = f.step;
        st.*n.bbMx = f.bbMx;
        sleep.set(f.sleep);
    } else {
        const auto i = static_cast<size_t>(row - FirstSectorRow);  // sector row r = i + 1 at index r - 1
        before = {st.SectorCwin[i], st.SectorCwMin[i], st.SectorBb[i], st.SectorStep[i], st.SectorBbMx[i],
                  st.SectorSleep[i], maxSleep};
        f = before;
        p = spinRow(r, f, spin, lim);
        st.SectorCwin[i] = f.cwin;
        st.SectorCwMin[i] = f.cwMin;
        st.SectorBb[i] = f.bb;
        st.SectorStep[i] = f.step;
        st.SectorBbMx[i] = f.bbMx;
        st.SectorSleep[i] = f.sleep;
    }
    maxSleep = f.maxSleep;

    if (p != Paint::None) paint(c.label(), p);
    // CntW and CntL never move, so their boxes keep the "0" they show.
    put(c.cwin(), before.cwin, f.cwin);
    put(c.cwMin(), before.cwMin, f.cwMin);
    put(c.bb(), before.bb, f.bb);
    put(c.bbMx(), before.bbMx, f.bbMx);
    if (!Sector && b.highlight) {
        forms::Control& sleep = c.sleep();
        if (before.sleep != f.sleep) sleep.setNumber(f.sleep);
        sleep.setBackColor(lim.sleep && f.sleep > *lim.sleep ? Bet : forms::colors::Black);
    } else {
        put(c.sleep(), before.sleep, f.sleep);
    }
    if (Sector) c.label().setCaption(playsWide(r, f.step, lim) ? r.wideCaption : r.caption);
}

}  // namespace

void bookSleeperRows(Session& s, Frm7tch& w, int first, int end, int spin, const SleeperLimits* shared) {
    St& st = s.st;
    forms::Control* const* boxes = rowControls(w);
    if (shared) {
        for (int row = first; row < end; ++row) bookRow<true>(st, {boxes + row * PerRow}, row, spin, *shared);
        return;
    }
    for (int row = first; row < end; ++row) {
        const RowControls c{boxes + row * PerRow};
        const SleeperLimits lim{wholeLimit(c.limit()), {}, {}};
        bookRow<false>(st, c, row, spin, lim);
    }
}

}  // namespace tch
