// The 33-number bet of the FAST systems: two opposite pairs left out, found a chosen number of
// places ahead of the last spin's pair, and the settlement of one spin of that bet.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace fast {

// "32,10" .. "26,3": the text of pair position 1..18; "" for any other position.
std::string pairText(int64_t position);

// The two pairs to leave out; a pair whose position falls off 1..18 is nullopt and its variable
// keeps its previous text.
struct Elimination {
    std::optional<std::string> s_elimnbr1, s_elimnbr2;
};

// s holds two distance tokens "|a||b|". Text that does not give whole numbers in the token places
// eliminates nothing.
Elimination elimnbrs(int64_t val1, std::string_view s);

// The result of one spin s2 against the four numbers left out in s1, at stake s3: -33 x stake
// when the spin is one of them (compared as text), else 3 x stake. nullopt when s1 has fewer
// than four items or s3 is not a number: the spin is not settled.
std::optional<int64_t> calcwin(std::string_view s1, std::string_view s2, std::string_view s3);

}  // namespace fast
