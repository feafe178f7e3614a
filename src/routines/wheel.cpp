#include "routines/wheel.h"

namespace routines {

std::optional<int> wheelPosition(int64_t n) {
    for (int p = 0; p < static_cast<int>(WheelOrder.size()); ++p)
        if (WheelOrder[p] == n) return p;
    return std::nullopt;
}

int oppositePairIndex(int64_t n) {
    for (int k = 0; k < static_cast<int>(OppositePairs.size()); ++k)
        if (OppositePairs[k][0] == n || OppositePairs[k][1] == n) return k + 1;
    return 0;
}

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
