#include "edge/gap_board.h"

#include <limits>

#include "edge/edge_boxes.h"
#include "edge/sections.h"
#include "panels/frm8edge.h"
#include "routines/wheel.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

namespace edge {

using state::EdgeBoardState;

// In the order the board books them: opposite pairs (pair k in slot k), six-lines, streets,
// dozens, finals 0-6 and 7-9 (zero is a final 0), single numbers.
const std::array<GapFamily, 7> GapFamilies{{
    {1, 18, [](int n) { return n >= 1 ? routines::oppositePairIndex(n) : -1; },
     [](EdgeBoardState& b) { return std::span<int32_t>(b.EdgeSleepPairs); },
     [](EdgeBoardState& b) -> int32_t& { return b.EdgeMaxPairs; }, edgebox::pairBox, 18, 19},
    {0, 5, [](int n) { return n >= 1 ? (n - 1) / 6 : -1; },
     [](EdgeBoardState& b) { return std::span<int32_t>(b.EdgeSleepSixLines); },
     [](EdgeBoardState& b) -> int32_t& { return b.EdgeMaxSixLines; }, edgebox::sixLineBox, 20, 27},
    {0, 11, [](int n) { return n >= 1 ? (n - 1) / 3 : -1; },
     [](EdgeBoardState& b) { return std::span<int32_t>(b.EdgeSleepStreets); },
     [](EdgeBoardState& b) -> int32_t& { return b.EdgeMaxStreets; }, edgebox::streetBox, 40, 41},
    {0, 2, [](int n) { return n >= 1 ? (n - 1) / 12 : -1; },
     [](EdgeBoardState& b) { return std::span<int32_t>(b.EdgeSleepDozens); },
     [](EdgeBoardState& b) -> int32_t& { return b.EdgeMaxDozens; }, edgebox::dozenBox, 45, 46},
    {0, 6, [](int n) { return n % 10 <= 6 ? n % 10 : -1; },
     [](EdgeBoardState& b) { return std::span<int32_t>(b.EdgeSleepFinals); },
     [](EdgeBoardState& b) -> int32_t& { return b.EdgeMaxFinals[0]; }, edgebox::finalBox, 54, 55},
    {7, 9, [](int n) { return n % 10 >= 7 ? n % 10 : -1; },
     [](EdgeBoardState& b) { return std::span<int32_t>(b.EdgeSleepFinals); },
     [](EdgeBoardState& b) -> int32_t& { return b.EdgeMaxFinals[1]; }, edgebox::finalBox, 59, 60},
    {0, 36, [](int n) { return n; },
     [](EdgeBoardState& b) { return std::span<int32_t>(b.EdgeSleepSingles); },
     [](EdgeBoardState& b) -> int32_t& { return b.EdgeMaxSingles; }, edgebox::singleBox, 98, 99},
}};

void bookGapBoard(EdgeBoardState& b, int n) {
    for (const GapFamily& f : GapFamilies) {
        auto counts = f.counts(b);
        int32_t& mx = f.maximum(b);
        for (int i = f.first; i <= f.last; ++i) {
            int32_t& c = counts[static_cast<size_t>(i)];
            if (c < std::numeric_limits<int32_t>::max()) ++c;  // a count stops at its top, it never wraps
        }
        if (int slot = f.slotOf(n); slot >= f.first && slot <= f.last) counts[static_cast<size_t>(slot)] = 0;
        for (int i = f.first; i <= f.last; ++i)
            if (counts[static_cast<size_t>(i)] > mx) mx = counts[static_cast<size_t>(i)];
    }
}

void edgeGapBoard(Session& s) {
    auto n = spinIn(s.frm1basic().Text1[1]);
    if (!n) return;
    std::array<int32_t, GapFamilies.size()> before;
    for (size_t i = 0; i < GapFamilies.size(); ++i) before[i] = GapFamilies[i].maximum(s.st);
    bookGapBoard(s.st, *n);

    constexpr forms::Color AtLimit = 0xFFFF80, Plain = forms::colors::Window;
    auto& box = s.frm8edge().Text1;
    for (size_t k = 0; k < GapFamilies.size(); ++k) {
        const GapFamily& f = GapFamilies[k];
        auto counts = f.counts(s.st);
        showMoved(box[f.maxBox], before[k], f.maximum(s.st));
        // A limit that is not a whole number marks nothing; the counts still run.
        auto limit = wholeNumber(box[f.limitBox].text());
        for (int i = f.first; i <= f.last; ++i) {
            int32_t c = counts[static_cast<size_t>(i)];
            auto& cell = box[f.box(i)];
            showCount(cell, c);
            cell.setBackColor(limit && c >= *limit ? AtLimit : Plain);
        }
    }
}

}  // namespace edge
