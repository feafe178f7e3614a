// "5th - 1:1 No repeats": per even chance, how often it came once without repeating and how often
// twice in a row; a chance that reached the set count without a repeat signals its progression.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace passes {

// The count boxes Text11 of one chance: row "1" (no repeat) and row "2" (repeat).
struct ChanceBoxes {
    int noRepeat;
    int repeat;
};

// Red, black, low, high, odd, even: the order the system counts and signals in.
inline constexpr std::array<ChanceBoxes, 6> FifthChanceBoxes = {
    {{2, 3}, {0, 1}, {5, 4}, {7, 6}, {11, 10}, {9, 8}}};

// A count box one higher; nullopt when its text is no number or the count cannot grow.
std::optional<std::string> countedUp(std::string_view count);

enum class FifthSignal { None, Green, Black };

// The no-repeat box turns green when its text is exactly the "Nbr of no repeat:" text and the
// chance never repeated; black once it has repeated. A repeat box that is no number: no signal.
FifthSignal fifthSignal(std::string_view noRepeat, std::string_view repeat, std::string_view noRepeatCount);

}  // namespace passes
