// The board's totals in the "TCh" window caption, and every row's longest sleep in its Rounds box.
#pragma once

#include <array>
#include <cstdint>

class Session;
class Frm7tch;

namespace tch {

// The first total: the finals, doubles, derived and alternation rows; the second: the finals and
// doubles rows alone.
struct Totals {
    int64_t all = 0, finals = 0;
};
Totals totals(const Session& s);

// Caption "TchAll  <all> 1P <finals>" and the Rounds column.
void showTotalsAndRounds(Session& s, Frm7tch& w);

}  // namespace tch
