// 14th system ("14th Dorviks doz."): bets the dozens of the last two spins, a pair for up to three
// spins, with its stakes on a cancellation list; a session is won when its result turns positive.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "state/first_pass_state.h"

namespace passes {

struct DorvikStep {
    state::Sys14thState st;
    std::optional<std::array<std::string, 2>> bet;  // the two dozens, or "W" twice; nullopt: unchanged
    bool listShown = false;                          // "Progression" is written this spin
};

// What one spin shows, for the adapter that keeps the state in place.
struct DorvikShown {
    std::optional<std::array<std::string, 2>> bet;
    bool listShown = false;
};
DorvikShown dorvikSpinInPlace(state::Sys14thState& st, const std::array<std::string_view, 5>& rows);

// One spin; rows are the dozen classes of history rows 1..5 ("" for an empty row).
DorvikStep dorvikSpin(state::Sys14thState st, const std::array<std::string_view, 5>& rows);

// "Progression": the entries 1..n back to back (1, 2, 3 shows as "123").
std::string listText(const std::vector<int64_t>& list);

}  // namespace passes
