// The row under the gap board: spins since each multiples group last came, two pivot figures
// and the finals line (two 4-endings open it, a 6-ending within nine spins is a success).
#pragma once

#include <cstdint>
#include <optional>

#include "state/edge_state.h"

namespace edge {

// The multiples counter spin n resets (0..5), -1 for none. A number several labels name goes to
// the label furthest right.
int multiplesGroup(int n);

// Books n into the six counters and their maximum.
void bookMultiples(state::EdgeBoardState& b, int n);

// (P/2)·H² − (P/2)·D², halved once when above 36, rounded halves to even. H and D are typed
// 32-bit figures: their squares are exact in 64 bits.
double pivotResult(int32_t h, int32_t d, int p);

// Round(p + asinh(n)), halved once when above 36.
double pivotSecondResult(double previous, int n);

// One spin of the finals line; previous is the spin before n, if any.
void bookFinalsLine(state::EdgeBoardState& b, int n, std::optional<int> previous);

}  // namespace edge
