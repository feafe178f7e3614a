// "2NB prog": a count of spins 0..41 and the two-number ladder's stake for it.
#pragma once

#include <cstdint>

namespace passes {

struct TwoNbStep {
    int64_t count;
    int32_t stake;
};

// The count after `count` (41 wraps to 0) and its stake.
TwoNbStep twoNbStep(int64_t count);

}  // namespace passes
