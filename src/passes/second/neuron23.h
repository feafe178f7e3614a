// 23rd Neuron net: totals the six pair accounts of the doubles and sets the next stake from the
// total's loss.
#pragma once

#include <cstdint>
#include <optional>

namespace passes {

struct Neuron23Totals {
    int64_t total = 0, minTotal = 0, bb = 1, maxBb = 0;
};

// The stake after a spin whose accounts sum to `total`; share is "Basebet % from lost" (nullopt:
// not a number, the stake is then left as it is, but never below 1).
void neuron23Stake(Neuron23Totals& t, int64_t total, std::optional<double> share);

}  // namespace passes
