#include "edge/seeded_triples.h"

#include <cmath>

#include "edge/edge_boxes.h"
#include "edge/sections.h"
#include "forms/amounts.h"
#include "forms/convert.h"
#include "panels/frm8edge.h"
#include "routines/ladders.h"
#include "settings/settings.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

namespace edge {

namespace {

constexpr SeedRow Seeds1[] = {
    {"33", {11, 13, 31}, "11,13,31"},
    {"31", {11, 13, 33}, "11,13,33"},
    {"11", {33, 13, 31}, "33,13,31"},
    {"13", {11, 33, 31}, "11,33,31"},
};
constexpr SeedRow Seeds2[] = {
    {"4", {6, 34, 4}, "6,34,4"},
    {"6", {4, 34, 6}, "4,34,6"},
    {"34", {4, 6, 34}, "4,6,34"},
};
constexpr SeedRow Seeds3[] = {
    {"0", {10, 20, 30}, "10,20,30"},
    {"10", {0, 20, 30}, "0,20,30"},
    {"20", {0, 10, 30}, "0,10,30"},
    {"30", {0, 10, 20}, "0,20,10"},
};

}  // namespace

const std::array<std::span<const SeedRow>, 4> TripleSeeds{Seeds1, Seeds2, Seeds3, std::span<const SeedRow>()};

const SeedRow* settleTriple(TripleRun& r, int k, const TripleSpin& in) {
    const bool typed = k == 3;
    const SeedRow* started = nullptr;
    auto seed = wholeNumber(in.seedText);
    auto cycles = wholeNumber(in.cyclesText);
    // A seed or cycles box that is not a whole number starts and settles nothing this spin.
    if (seed && cycles) {
        // 1. Start on the seed; a running system ignores it.
        if (in.hasPrevious && *seed == in.n && !r.running) {
            const SeedRow* row = nullptr;
            for (const SeedRow& s : TripleSeeds[static_cast<size_t>(k)])
                if (s.seed == in.seedText) {
                    row = &s;
                    break;
                }
            // An unknown seed keeps the numbers of the last start, but never bets numbers never chosen.
            if (typed || row || r.numbersSet) {
                r.count = 0;
                r.running = true;
                r.bb = 1;
                if (row) {
                    r.numbers = row->numbers;
                    r.numbersSet = true;
                    started = row;
                }
            }
        }
        // 2. System 4 waits while one of its number boxes fails the check.
        std::optional<std::array<double, 3>> bet = in.typedNumbers;
        if (!typed) bet = std::array<double, 3>{double(r.numbers[0]), double(r.numbers[1]), double(r.numbers[2])};
        if (bet) {
            // 3 to 6. Settle, lose at the end of the cycles, or begin counting after the seed spin.
            const int64_t c = r.count, C = *cycles;
            if (c >= 1 && c <= C - 1) {
                bool hit = (*bet)[0] == in.n || (*bet)[1] == in.n || (*bet)[2] == in.n;
                if (hit) {
                    r.cwin = forms::satAdd(r.cwin, forms::satMul(33, r.bb));
                    r.count = 0;
                    ++r.succ;
                    r.running = false;
                } else {
                    ++r.count;
                    r.cwin = forms::satSub(r.cwin, forms::satMul(3, r.bb));
                }
            } else if (c == C) {
                ++r.nsucc;
                r.count = 0;
                r.running = false;
            } else if (c == 0 && r.running) {
                r.count = 1;
            }
        }
    }
    return started;
}

void stakeTriple(TripleRun& r, std::optional<double> lostPercent) {
    // A share of the loss while behind, the two-number ladder at the cycle count otherwise.
    if (r.cwin < 0) {
        if (lostPercent) {
            double x = forms::roundEven(std::fabs(static_cast<double>(r.cwin)) * *lostPercent);
            r.bb = !(x >= 1) ? 1 : x >= double(MaxTripleStake) ? MaxTripleStake : static_cast<int64_t>(x);
        }
    } else {
        r.bb = routines::f_2nbprog60(r.count, r.count);
    }
    if (r.bb > r.bbMax) r.bbMax = r.bb;
    if (r.cwin < r.minCw) r.minCw = r.cwin;
}

namespace {

using state::SeededTripleState;
using I64 = int64_t SeededTripleState::*;

struct TripleFields {
    I64 count, bb, cwin, minCw, bbMax, succ, nsucc;
    forms::Var SeededTripleState::*num1;
    forms::Var SeededTripleState::*num2;
    int32_t SeededTripleState::*num3;
};

using S = SeededTripleState;
constexpr std::array<TripleFields, 4> Fields{{
    {&S::i_cntEvEdge1, &S::i_bbetEvEdge1, &S::l_cwinEvEdge1, &S::l_mincwEvEdge1, &S::i_bbmaxEvEdge1,
     &S::l_cntwEvEdge1, &S::l_cntlEvEdge1, &S::i_num1Evedge1, &S::i_num1Evedge2, &S::i_num1Evedge3},
    {&S::i_cntEvEdge2, &S::i_bbetEvEdge2, &S::l_cwinEvEdge2, &S::l_mincwEvEdge2, &S::i_bbmaxEvEdge2,
     &S::l_cntwEvEdge2, &S::l_cntlEvEdge2, &S::i_num2Evedge1, &S::i_num2Evedge2, &S::i_num2Evedge3},
    {&S::i_cntEvEdge3, &S::i_bbetEvEdge3, &S::l_cwinEvEdge3, &S::l_mincwEvEdge3, &S::i_bbmaxEvEdge3,
     &S::l_cntwEvEdge3, &S::l_cntlEvEdge3, &S::i_num3Evedge1, &S::i_num3Evedge2, &S::i_num3Evedge3},
    {&S::i_cntEvEdge4, &S::i_bbetEvEdge4, &S::l_cwinEvEdge4, &S::l_mincwEvEdge4, &S::i_bbmaxEvEdge4,
     &S::l_cntwEvEdge4, &S::l_cntlEvEdge4, nullptr, nullptr, nullptr},
}};

// A system's boxes, as the window keeps them after the first spin; system 4's number boxes follow
// the last system's.
enum Slot { Label, Cwin, MinCw, Bb, BbMax, Succ, Nsucc, Cycles, Seed, PerSystem };

forms::Control* const* tripleControls(Frm8edge& w) {
    std::vector<forms::Control*>& c = w.tripleBoxes;
    if (c.empty()) {
        for (const auto& b : edgebox::Triples) {
            c.push_back(&w.Label1[b.label]);
            for (int i : {b.cwin, b.minCw, b.bb, b.bbMax, b.succ, b.nsucc, b.cycles, b.seed}) c.push_back(&w.Text1[i]);
        }
        for (int i : edgebox::Triple4Numbers) c.push_back(&w.Text1[i]);
    }
    return c.data();
}

// System 4's number boxes count only while each holds a short number.
std::optional<std::array<double, 3>> typedNumbers(forms::Control* const* box) {
    std::array<double, 3> v{};
    for (size_t i = 0; i < 3; ++i) {
        const std::string& t = box[i]->text();
        auto x = t.size() < 3 ? forms::toDouble(t) : std::nullopt;
        if (!x) return std::nullopt;
        v[i] = *x;
    }
    return v;
}

}  // namespace

void seededTriples(Session& s) {
    constexpr forms::Color Running = 0x00C000, Idle = forms::colors::WindowText;
    auto& history = s.frm1basic().Text1;
    auto n = spinIn(history[1]);
    if (!n) return;
    SeededTripleState& st = s.st;
    forms::Control* const* all = tripleControls(s.frm8edge());

    TripleSpin in;
    in.n = *n;
    in.hasPrevious = !history[2].text().empty();
    std::optional<std::optional<double>> lostPercent;  // read once, and only when a system is behind

    for (int k = 0; k < 4; ++k) {
        const TripleFields& f = Fields[static_cast<size_t>(k)];
        forms::Control* const* box = all + k * PerSystem;
        forms::Control& label = *box[Label];

        TripleRun r{st.*f.count, st.*f.bb, st.*f.cwin, st.*f.minCw, st.*f.bbMax, st.*f.succ, st.*f.nsucc,
                    label.foreColor() == Running, false, {}};
        if (f.num1) {
            r.numbersSet = !(st.*f.num1).empty();
            r.numbers = {static_cast<int>((st.*f.num1).value()), static_cast<int>((st.*f.num2).value()), st.*f.num3};
        }
        in.seedText = box[Seed]->text();
        in.cyclesText = box[Cycles]->text();
        in.typedNumbers = k == 3 ? typedNumbers(all + 4 * PerSystem) : std::nullopt;

        const TripleRun was = r;
        const SeedRow* started = settleTriple(r, k, in);
        if (r.cwin < 0 && !lostPercent) lostPercent = settings::number(s, settings::Box::BaseBetPercentFromLost);
        stakeTriple(r, lostPercent ? *lostPercent : std::nullopt);

        st.*f.count = r.count;
        st.*f.bb = r.bb;
        st.*f.cwin = r.cwin;
        st.*f.minCw = r.minCw;
        st.*f.bbMax = r.bbMax;
        st.*f.succ = r.succ;
        st.*f.nsucc = r.nsucc;
        if (started && f.num1) {
            st.*f.num1 = started->numbers[0];
            st.*f.num2 = started->numbers[1];
            st.*f.num3 = started->numbers[2];
            label.setCaption(started->caption);
        }
        label.setForeColor(r.running ? Running : Idle);
        showMoved(*box[Cwin], was.cwin, r.cwin);
        showMoved(*box[MinCw], was.minCw, r.minCw);
        box[Bb]->setNumber(r.bb);  // the box starts at "0", the stake at 1
        showMoved(*box[BbMax], was.bbMax, r.bbMax);
        showMoved(*box[Succ], was.succ, r.succ);
        showMoved(*box[Nsucc], was.nsucc, r.nsucc);
    }
}

}  // namespace edge
