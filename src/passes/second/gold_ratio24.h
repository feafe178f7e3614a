// "24th Inverse gold ratio - trend system": the numbers leading a score of hits per spin (less a
// share of their HGF value) are bet straight up until the scores taken reach "IG Ratio".
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "state/second_pass_state.h"

namespace passes::gold24 {

struct Settings {
    std::optional<int64_t> profitTarget, stopLoss;
    std::optional<double> ratio;
    bool hgfDisadv = false;
    std::optional<double> divisor;
};

// Per number: hits (nullopt when the box holds no number) and the HGF value (nullopt likewise).
struct Figures {
    std::array<std::optional<int64_t>, 37> hits{};
    std::array<std::optional<double>, 37> hgf{};
    int64_t spins = 0;
};

// Books the newest spin against the numbers shown, then chooses the next ones. Returns the
// numbers taken this spin as the panel shows them ("  7  3").
std::string step(state::Sys24thState& st, int spin, const Figures& fig, const Settings& set);

// The score of one number.
double score(std::optional<int64_t> hits, std::optional<double> hgf, int64_t spins, const Settings& set);

}  // namespace passes::gold24
