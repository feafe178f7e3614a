// The Edge gap board: for each group of seven families, the spins since the group last came,
// with the longest count each family has reached. One engine over a table of families.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "state/edge_state.h"

namespace edge {

// One family (the finals are two: digits 0-6 and 7-9, each with its own maximum and limit).
struct GapFamily {
    int first, last;  // slots of the count array this family uses
    int (*slotOf)(int n);  // the slot a spin resets, -1 for none
    std::span<int32_t> (*counts)(state::EdgeBoardState&);
    int32_t& (*maximum)(state::EdgeBoardState&);
    int (*box)(int slot);  // count box of a slot on "The Edge"
    int maxBox, limitBox;
};

extern const std::array<GapFamily, 7> GapFamilies;

// Books spin n (0..36) into every family: all counts rise by one, n's groups fall to 0, and a
// count above its family's maximum raises the maximum.
void bookGapBoard(state::EdgeBoardState& b, int n);

}  // namespace edge
