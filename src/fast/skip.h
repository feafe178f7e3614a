// Skips: the forward distance from one spin to the next on the ring of the eighteen opposite
// pairs, the FASS values among them, and the searches that pick two of those values for the
// 28Fass engine. Everything here is a pure function of its arguments.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace fast {

// (b - a) mod 18 of the two numbers' pair positions, 0..17; zero and anything outside 1..36
// stand at position 0, so calc_skip(0, n) can reach 18.
int calc_skip(int64_t val1, int64_t val2);

// 1 for the FASS values 1, 2, 3, 5, 8, 13, 16; 0 otherwise.
int FASS_numbers(int64_t val3);

// Hit counters of the FASS values, one per value.
struct FassCounts {
    int64_t l_1 = 0, l_2 = 0, l_3 = 0, l_5 = 0, l_8 = 0, l_13 = 0, l_16 = 0;
    bool operator==(const FassCounts&) const = default;
};

// Counts val4 in the LOW counters when s is exactly "LOW", else in the HIGH ones (8, 13, 16).
FassCounts FASS_check(FassCounts c, int64_t val4, std::string_view s);

// The values chosen so far: their tokens ("|8|") back to back, and how many.
struct FassSelection {
    std::string s_string;
    int64_t l_counter = 0;
    bool operator==(const FassSelection&) const = default;
};

// First stage: values that did not occur. Arguments are the counts in order of preference
// (LOW: 8, 5, 3, 2, 1; HIGH: 16, 13, 8).
FassSelection sealow_0(FassSelection sel, int64_t val1, int64_t val2, int64_t val3, int64_t val4, int64_t val5);
FassSelection seahigh_0(FassSelection sel, int64_t val1, int64_t val2, int64_t val3);

// Nothing chosen yet: the values holding the largest (val1) and second largest (val2) count.
FassSelection sealow_00(FassSelection sel, const FassCounts& c, int64_t val1, int64_t val2);
FassSelection seahigh_00(FassSelection sel, const FassCounts& c, int64_t val1, int64_t val2);

// One chosen: the value holding the largest count.
FassSelection sealow_01(FassSelection sel, const FassCounts& c, int64_t val1);
FassSelection seahigh_01(FassSelection sel, const FassCounts& c, int64_t val1);

}  // namespace fast
