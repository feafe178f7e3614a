#include "edge/gap_board.h"

#include <algorithm>
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

namespace {

// One family's counts rise by one (stopping at the top), the group of the spin falls to 0, and
// the maximum follows.
template <int First, int Last, size_t N>
inline void bump(std::array<int32_t, N>& counts, int slot, int32_t& mx) {
    static_assert(First >= 0 && Last < static_cast<int>(N));
    int32_t top = mx;
    for (int i = First; i <= Last; ++i) counts[i] += counts[i] != std::numeric_limits<int32_t>::max();  // never wraps
    if (slot >= First && slot <= Last) counts[static_cast<size_t>(slot)] = 0;
    for (int i = First; i <= Last; ++i) top = std::max(top, counts[i]);
    mx = top;
}

// The count box of every slot, family by family (the table the families' box functions give).
struct BoxTable {
    std::array<std::array<int16_t, 37>, 7> box{};
};
constexpr BoxTable makeBoxTable() {
    BoxTable t;
    int (*const fns[7])(int) = {edgebox::pairBox, edgebox::sixLineBox, edgebox::streetBox, edgebox::dozenBox,
                                edgebox::finalBox, edgebox::finalBox, edgebox::singleBox};
    for (size_t k = 0; k < 7; ++k)
        for (int i = 0; i < 37; ++i) t.box[k][static_cast<size_t>(i)] = static_cast<int16_t>(fns[k](i));
    return t;
}
constexpr BoxTable CountBoxes = makeBoxTable();

struct Run {
    int first, last, maxBox, limitBox;
};
constexpr std::array<Run, 7> Runs{{{1, 18, 18, 19}, {0, 5, 20, 27}, {0, 11, 40, 41}, {0, 2, 45, 46},
                                   {0, 6, 54, 55}, {7, 9, 59, 60}, {0, 36, 98, 99}}};
static_assert([] {
    for (size_t k = 0; k < Runs.size(); ++k)
        if (Runs[k].maxBox != edgebox::GapRuns[k].maxBox || Runs[k].limitBox != edgebox::GapRuns[k].limitBox ||
            Runs[k].last - Runs[k].first + 1 != edgebox::GapRuns[k].count)
            return false;
    return true;
}());

}  // namespace

void bookGapBoard(EdgeBoardState& b, int n) {
    const bool number = n >= 1;
    const int digit = n % 10;
    bump<1, 18>(b.EdgeSleepPairs, number ? routines::oppositePairIndex(n) : -1, b.EdgeMaxPairs);
    bump<0, 5>(b.EdgeSleepSixLines, number ? (n - 1) / 6 : -1, b.EdgeMaxSixLines);
    bump<0, 11>(b.EdgeSleepStreets, number ? (n - 1) / 3 : -1, b.EdgeMaxStreets);
    bump<0, 2>(b.EdgeSleepDozens, number ? (n - 1) / 12 : -1, b.EdgeMaxDozens);
    bump<0, 6>(b.EdgeSleepFinals, digit <= 6 ? digit : -1, b.EdgeMaxFinals[0]);
    bump<7, 9>(b.EdgeSleepFinals, digit >= 7 ? digit : -1, b.EdgeMaxFinals[1]);
    bump<0, 36>(b.EdgeSleepSingles, n, b.EdgeMaxSingles);
}

void edgeGapBoard(Session& s) {
    auto n = spinIn(s.frm1basic().Text1[1]);
    if (!n) return;
    auto& b = s.st;
    const std::array<int32_t, 7> before{b.EdgeMaxPairs,  b.EdgeMaxSixLines,  b.EdgeMaxStreets, b.EdgeMaxDozens,
                                        b.EdgeMaxFinals[0], b.EdgeMaxFinals[1], b.EdgeMaxSingles};
    bookGapBoard(b, *n);

    const std::array<const int32_t*, 7> counts{b.EdgeSleepPairs.data(),  b.EdgeSleepSixLines.data(),
                                               b.EdgeSleepStreets.data(), b.EdgeSleepDozens.data(),
                                               b.EdgeSleepFinals.data(),  b.EdgeSleepFinals.data(),
                                               b.EdgeSleepSingles.data()};
    const std::array<int32_t, 7> maxima{b.EdgeMaxPairs,  b.EdgeMaxSixLines,  b.EdgeMaxStreets, b.EdgeMaxDozens,
                                        b.EdgeMaxFinals[0], b.EdgeMaxFinals[1], b.EdgeMaxSingles};
    constexpr forms::Color AtLimit = 0xFFFF80, Plain = forms::colors::Window;
    auto& w = s.frm8edge();
    std::vector<forms::Control*>& boxes = w.gapBoxes;
    if (boxes.empty()) {
        // Per run: its maximum box, its limit box, then its count boxes.
        for (size_t k = 0; k < Runs.size(); ++k) {
            const Run& f = Runs[k];
            boxes.push_back(&w.Text1[f.maxBox]);
            boxes.push_back(&w.Text1[f.limitBox]);
            for (int i = f.first; i <= f.last; ++i) boxes.push_back(&w.Text1[CountBoxes.box[k][static_cast<size_t>(i)]]);
        }
    }
    forms::Control* const* box = boxes.data();
    for (size_t k = 0; k < Runs.size(); ++k) {
        const Run& f = Runs[k];
        showMoved(*box[0], before[k], maxima[k]);
        // A limit that is not a whole number marks nothing; the counts still run.
        const auto limit = wholeNumber(box[1]->text());
        const int64_t mark = limit ? *limit : std::numeric_limits<int64_t>::max();
        box += 2;
        const int32_t* c = counts[k];
        for (int i = f.first; i <= f.last; ++i) {
            forms::Control& cell = **box++;
            cell.setNumber(int64_t{c[i]});
            cell.setBackColor(c[i] >= mark ? AtLimit : Plain);
        }
    }
}

}  // namespace edge
