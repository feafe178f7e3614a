// 22nd: two instances, each on a group of three numbers. A number of the group arms the instance,
// which then bets the three numbers straight up for at most five spins, stopping at the first hit.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace passes {

struct Sys22Instance {
    int64_t cwin = 0, mincw = 0, bb = 1;
    int64_t cnt = 100;  // 0..4 betting (misses so far), 5 the last bet missed, above idle
    bool won = false;   // the previous spin won, so it cannot arm at once
};

enum class Label22 { Keep, Green, White };

// One spin s for the group; share is "Basebet % from lost" (nullopt: not a number, the stake after
// a losing run is then left as it is).
Label22 twentySecondSpin(Sys22Instance& in, const std::array<int, 3>& group, int s, std::optional<double> share);

}  // namespace passes
