// "7th - Marosti on streets": bets the street partners of the spins that miss.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "state/first_pass_state.h"

namespace passes::seventh {

struct Spin {
    int x = 0;                 // the new spin, 0..36
    bool startsRun = false;    // no non-zero spin in history rows 2..28
    int64_t spinCount = 0;     // l_general_cnt, this spin included
    int64_t stopLoss = -200;   // "S/L(Stoploss):"
};

// Books the spin against the bet, extends or shrinks it, and records the spin.
void step(state::Sys7thState& st, const Spin& in);

// A list longer than 40 characters is shown in two boxes: the first elements in `head` until it
// holds 40 characters, the rest in `tail`, each element after a comma. Otherwise `tail` holds
// the list and `head` is empty.
void display(std::string_view sbet, std::string& head, std::string& tail);

// Entries 0..last of the per-spin record = -1 (within its size).
void clearRecord(state::Sys7thState& st, int64_t last);

}  // namespace passes::seventh
