// "6th - 2Columns": counts the columns since start or Reset and advises the two that trail.
#pragma once

#include <cstdint>

namespace passes::sixth {

// The column (1..3) that leads the other two together by more than the margin; the advice is
// the other two. 0 when none leads.
int leadingColumn(int64_t c1, int64_t c2, int64_t c3, int64_t margin);

}  // namespace passes::sixth
