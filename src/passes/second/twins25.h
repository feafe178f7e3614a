// "25th Twins": two one-number instances that bet their twin number on a stake progression, and
// the derivation of their numbers from the HGF data (mode "5").
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

class Session;

namespace passes::twins {

// The six-line figures of the HGF panel, 1-6 to 31-36.
using Sixths = std::array<double, 6>;

// Twin 1 and seed 2 chosen inside one dozen's range: the first of items 1..8 in the range, then
// the first of items 2..9 in the range other than twin 1; "-1" where none is.
struct Choice {
    std::string twin1, seed2;
    bool operator==(const Choice&) const = default;
};
Choice choose(const std::vector<std::string>& items, int lo, int hi);

// Which dozens' rules apply, in their order (0, 1, 2): both six-lines of the dozen hit, the
// others below 2.
bool dozenRule(const Sixths& f, int dozen);

// The derivation: the last applicable dozen's choice, nullopt when none applies, the list has
// fewer than ten items or an item read is not a number.
std::optional<Choice> derive(const std::vector<std::string>& items, const Sixths& f, int firstDozen, int lastDozen);

// The HGF panel's six-line figures; nullopt when one is not a number.
std::optional<Sixths> sixths(Session& s);
// Writes a choice into twin 1 and seed 2 and leaves both instances idle; nothing for nullopt.
void apply(Session& s, const std::optional<Choice>& c);

}  // namespace passes::twins
