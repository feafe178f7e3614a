#include "routines/wheel.h"

namespace routines {

std::optional<int> wheelPosition(int64_t n) {
    for (int p = 0; p < static_cast<int>(WheelOrder.size()); ++p)
        if (WheelOrder[p] == n) return p;
    return std::nullopt;
}

namespace {

// The pair of every number 0..36, looked up rather than searched: the skip routines ask for it
// dozens of times per spin.
constexpr std::array<int8_t, 37> PairOfNumber = [] {
    std::array<int8_t, 37> t{};
    for (size_t k = 0; k < OppositePairs.size(); ++k)
        for (int n : OppositePairs[k]) t[static_cast<size_t>(n)] = static_cast<int8_t>(k + 1);
    return t;
}();

}  // namespace

int oppositePairIndex(int64_t n) { return n >= 0 && n <= 36 ? PairOfNumber[static_cast<size_t>(n)] : 0; }

int f_select1nbFromAnother1(int64_t i0) {
    const int k = oppositePairIndex(i0);
    if (k == 0) return 0;
    const auto& pair = OppositePairs[k - 1];
    return pair[0] == i0 ? pair[1] : pair[0];
}

std::optional<std::array<int, 4>> f_4nbCycleRound(int64_t i0) {
    const auto p = wheelPosition(i0);
    if (!p) return std::nullopt;
    std::array<int, 4> next{};
    for (int i = 0; i < 4; ++i) next[i] = WheelOrder[(*p + 1 + i) % WheelOrder.size()];
    return next;
}

std::optional<std::array<int, 4>> f_4nbCycleRoundExperience(int64_t i0) {
    if (i0 < 0 || i0 > 36) return std::nullopt;
    return CycleRoundExperience[static_cast<size_t>(i0)];
}

}  // namespace routines
