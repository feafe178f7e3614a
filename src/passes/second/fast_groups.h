// The 12th Fast panel's trackers: group counts of the history and the waits from a 27 (before the
// 25th Twins), and the three-number bet and the Low/High trend bet (after them).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "state/second_pass_state.h"

namespace passes::fast12 {

// One wait from a 27 to the next `target`.
void stepWait(bool& armed, forms::Var& count, int64_t& max, const std::string& row1, std::string_view target);

// The three-number bet's booking on the newest spin.
void bookTriple(state::Sys12thPanelState& st, const std::string& row1);
// Starts the bet on items 9, 8 and 7 of the HGF number list when the three theory figures add up
// to 4 or more; nothing when a list is too short or a figure is not a number.
bool startTriple(state::Sys12thPanelState& st, const std::vector<std::string>& theory,
                 const std::vector<std::string>& hgfList);

// The Low/High trend bet; h is 0 (zero), 1 (low) or 2 (high). Returns which labels to paint:
// bit 0 Low green, bit 1 High green, bit 2 Low white, bit 3 High white.
int stepLowHigh(state::Sys12thPanelState& st, int h, int64_t spins);

}  // namespace passes::fast12
