// What every row family of the TCh board shares: number groups as bit sets, the label colours
// that carry a row's state, the limit boxes read as whole numbers, and box writes that only
// touch a box whose figure changed.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <optional>
#include <string_view>

#include "forms/convert.h"
#include "forms/form.h"

namespace tch {

// Bit n set: the number n is in the group.
using Group = uint64_t;

// The group a caption names ("5,15,25,35"); the caption and the group can never disagree.
constexpr Group groupOf(std::string_view caption) {
    Group g = 0;
    int n = 0;
    bool any = false;
    for (char c : caption) {
        if (c >= '0' && c <= '9') {
            n = n * 10 + (c - '0');
            any = true;
        } else if (any) {
            g |= Group{1} << n;
            n = 0;
            any = false;
        }
    }
    if (any) g |= Group{1} << n;
    return g;
}

constexpr int sizeOf(Group g) { return std::popcount(g); }

constexpr bool holds(Group g, int64_t n) { return n >= 0 && n <= 36 && ((g >> n) & 1) != 0; }

inline constexpr forms::Color Bet = 0x00C000;   // caption label: bet the row now
inline constexpr forms::Color Idle = 0xFFFFFF;  // caption label: not betting

// What a row's step asks of its caption label.
enum class Paint { None, Bet, Idle };

inline void paint(forms::Control& label, Paint p) {
    if (p == Paint::Bet) label.setForeColor(Bet);
    else if (p == Paint::Idle) label.setForeColor(Idle);
}
inline void paint(const forms::ControlArray& labels, int i, Paint p) {
    if (p != Paint::None) paint(labels[i], p);
}

// Optional "-" and at most nine digits: a whole number the boxes' limits may hold; nullopt for
// anything else ("", "abc", "2,5", a number beyond 32 bits).
constexpr std::optional<int64_t> wholeNumber(std::string_view t) {
    const size_t digits = t.size() - (!t.empty() && t[0] == '-' ? 1 : 0);
    return digits <= 9 ? forms::wholeNumberValue(t) : std::nullopt;
}
static_assert(wholeNumber("70") == 70 && wholeNumber("-3") == -3 && wholeNumber("007") == 7 && wholeNumber("5") == 5);
static_assert(wholeNumber("09") == 9 && !wholeNumber("7x") && !wholeNumber("x") && !wholeNumber("-") && wholeNumber("-0") == 0);
static_assert(!wholeNumber("") && !wholeNumber("-") && !wholeNumber("2,5") && !wholeNumber("1234567890"));

inline std::optional<int64_t> wholeLimit(const forms::Control& box) { return wholeNumber(box.text()); }

// The history rows the board reads, converted once per spin: rows 1..5 as numbers (-1 while a
// row holds no spin), and whether row 12 holds one.
struct Recent {
    std::array<int, 6> row{-1, -1, -1, -1, -1, -1};  // index 0 unused
    bool row12 = false;
    int spin() const { return row[1]; }
};

// A figure into box i only when it changed since the box last showed it.
inline void put(const forms::ControlArray& boxes, int i, int64_t before, int64_t after) {
    if (before != after) boxes[i].setNumber(after);
}

}  // namespace tch
