// "2nd - 2D against trend": bets the two dozens other than the one that just came twice.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "state/first_pass_state.h"

namespace passes::second {

// Dozen classes "0", "L", "M", "H" (or "" for an empty row) of history rows 0..3.
using Rows = std::array<std::string_view, 4>;

// Settling, before the shift (row 0 = the new spin). Returns true when a win was booked, and
// the advice box then reads "wait". A result is booked only against an advice that was shown.
bool settle(state::Sys2ndState& st, const Rows& t);

// The new advice, after the shift (row 1 = the new spin), with the unit stake of "Bbet".
struct Advice {
    enum class Kind { Keep, Wait, Bet } kind = Kind::Keep;
    std::string_view dozens;  // "M,H ", "L,H " or "L,M " for a bet
};
Advice advise(state::Sys2ndState& st, const Rows& t, int64_t unit);

}  // namespace passes::second
