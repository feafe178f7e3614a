// The four seeded triple systems of The Edge: each waits for its seed, then bets three numbers
// for a fixed number of spins; the first hit is a success, running out of spins a failure. One
// engine; the systems differ in their table of seeds (system 4 bets three typed numbers).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace edge {

// A seed text and the numbers a start on it bets, with the caption the start shows.
struct SeedRow {
    std::string_view seed;
    std::array<int, 3> numbers;
    std::string_view caption;
};

extern const std::array<std::span<const SeedRow>, 4> TripleSeeds;  // empty for system 4

// One system between spins.
struct TripleRun {
    int64_t count = 0;  // 0 idle or just started, 1..Cycles spins of the running cycle
    int64_t bb = 1, cwin = 0, minCw = 0, bbMax = 0, succ = 0, nsucc = 0;
    bool running = false;     // its caption label is green
    bool numbersSet = false;  // a seed of the table has started it once
    std::array<int, 3> numbers{};
};

// What one spin brings a system.
struct TripleSpin {
    int n = 0;
    bool hasPrevious = false;      // the history holds a spin before n
    std::string_view seedText;
    std::string_view cyclesText;
    // System 4's three typed numbers; nullopt while a box fails its check.
    std::optional<std::array<double, 3>> typedNumbers;
};

// Stakes never go above this; a result that runs past the 64-bit range stays at its end.
inline constexpr int64_t MaxTripleStake = 1'000'000'000'000;

// One spin of system k (0..3): start, settle or close the cycle. Returns the seed row of a start
// made on this spin, if any.
const SeedRow* settleTriple(TripleRun& r, int k, const TripleSpin& in);

// The stake for the next spin and the run's extremes. lostPercent ("Basebet % from lost") is read
// only while the result is below 0; nullopt there keeps the stake.
void stakeTriple(TripleRun& r, std::optional<double> lostPercent);

}  // namespace edge
