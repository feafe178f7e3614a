#include "edge/multiples_pivots.h"

#include <array>
#include <cmath>
#include <cstdint>

#include "edge/edge_boxes.h"
#include "edge/sections.h"
#include "panels/frm8edge.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

namespace edge {

namespace {

constexpr std::array<int8_t, 37> MultiplesOf = [] {
    std::array<int8_t, 37> g{};
    for (int n = 0; n <= 36; ++n) {
        int8_t k = -1;
        if (n == 0 || n == 32) k = 0;
        if (n <= 15 && n % 3 == 0 && n > 0) k = 1;
        if (n <= 20 && n % 4 == 0 && n > 0) k = 2;
        if (n <= 25 && n % 5 == 0 && n > 0) k = 3;
        if (n <= 30 && n % 6 == 0 && n > 0) k = 4;
        if (n <= 35 && n % 7 == 0 && n > 0) k = 5;
        g[static_cast<size_t>(n)] = k;
    }
    return g;
}();

bool endsIn(int n, int digit) { return n % 10 == digit; }

}  // namespace

int multiplesGroup(int n) { return n >= 0 && n <= 36 ? MultiplesOf[static_cast<size_t>(n)] : -1; }

void bookMultiples(state::EdgeBoardState& b, int n) {
    for (int k = 0; k < 6; ++k)
        if (b.EdgeSleepMultiples[static_cast<size_t>(k)] < INT32_MAX) ++b.EdgeSleepMultiples[static_cast<size_t>(k)];
    if (int k = multiplesGroup(n); k >= 0) b.EdgeSleepMultiples[static_cast<size_t>(k)] = 0;
    for (int k = 0; k < 6; ++k)
        if (b.EdgeSleepMultiples[static_cast<size_t>(k)] > b.EdgeMaxMultiples)
            b.EdgeMaxMultiples = b.EdgeSleepMultiples[static_cast<size_t>(k)];
}

double pivotResult(int32_t h, int32_t d, int p) {
    double half = p / 2.0;
    double r = half * static_cast<double>(int64_t{h} * h) - half * static_cast<double>(int64_t{d} * d);
    if (r > 36) r = forms::roundEven(r / 2);
    return forms::roundEven(r);
}

double pivotSecondResult(double previous, int n) {
    double r = forms::roundEven(previous + std::log(n + std::sqrt(static_cast<double>(n * n + 1))));
    if (r > 36) r = forms::roundEven(r / 2);
    return r;
}

void bookFinalsLine(state::EdgeBoardState& b, int n, std::optional<int> previous) {
    if (b.PivotLineActive == 1) ++b.PivotLineCount;
    if (b.PivotLineCount >= 10) {
        b.PivotLineCount = 0;
        b.PivotLineActive = 0;
        ++b.PivotNsucc;
    } else if (endsIn(n, 6) && b.PivotLineActive == 1) {
        b.PivotLineCount = 0;
        b.PivotLineActive = 0;
        ++b.PivotSucc;
        b.PivotNsucc = 0;
    }
    // A line that failed on this spin may open again at once.
    if (previous && endsIn(*previous, 4) && endsIn(n, 4) && b.PivotLineActive == 0) b.PivotLineActive = 1;
    if (b.PivotNsucc > b.PivotMxNs) b.PivotMxNs = b.PivotNsucc;
}

void multiplesAndPivots(Session& s) {
    auto& history = s.frm1basic().Text1;
    auto n = spinIn(history[1]);
    if (!n) return;
    auto previous = spinIn(history[2]);
    auto& st = s.st;
    auto& box = s.frm8edge().Text1;

    const struct {
        int64_t EdgeMaxMultiples, PivotSucc, PivotNsucc, PivotLineCount, PivotMxNs;
    } was{st.EdgeMaxMultiples, st.PivotSucc, st.PivotNsucc, st.PivotLineCount, st.PivotMxNs};
    bookMultiples(st, *n);
    showMoved(box[edgebox::MultiplesMax], was.EdgeMaxMultiples, st.EdgeMaxMultiples);
    for (int k = 0; k < 6; ++k)
        box[edgebox::MultiplesFirst + k].setNumber(int64_t{st.EdgeSleepMultiples[static_cast<size_t>(k)]});

    // A Horni or Dolni box that is not a number leaves the first result as it stands.
    box[edgebox::Pivot].setText(history[1].text());
    auto h = forms::toInt(box[edgebox::Horni].text());
    auto d = forms::toInt(box[edgebox::Dolni].text());
    if (h && d) box[edgebox::Result1].setNumber(pivotResult(*h, *d, *n));
    if (previous) box[edgebox::Result2].setNumber(pivotSecondResult(*previous, *n));

    bookFinalsLine(st, *n, previous);
    showMoved(box[edgebox::PivotSucc], was.PivotSucc, st.PivotSucc);
    showMoved(box[edgebox::PivotNsucc], was.PivotNsucc, st.PivotNsucc);
    showMoved(box[edgebox::PivotLine], was.PivotLineCount, st.PivotLineCount);
    showMoved(box[edgebox::PivotMxNs], was.PivotMxNs, st.PivotMxNs);
}

}  // namespace edge
