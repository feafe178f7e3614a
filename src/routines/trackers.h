// Even-chance repeat trackers of the "5th - 1:1 No repeats" system. Each tracker keeps one
// state per side of its even chance: 0 idle, 1 armed (its side came in the previous spin, or
// an alternation of the other side was just seen), 2 its side came again while armed.
#pragma once

#include <cstdint>
#include <string_view>

class Session;

namespace routines {

struct EvenChancePair {
    int64_t a = 0;  // red, low 1-18, odd
    int64_t b = 0;  // black, high 19-36, even
    bool operator==(const EvenChancePair&) const = default;
};

enum class EvenChance { Colour, Half, Parity };

// 1 for side a, 2 for side b, 0 for zero and anything outside 1..36.
int evenChanceSide(EvenChance chance, int64_t n);

// One spin: prevSide from history row 2, newSide from row 1, row3Side from row 3 (0 when the
// row is empty); clearA / clearB tell whether the third-repeat test clears a state of 2.
EvenChancePair trackRepeat(EvenChancePair st, int prevSide, int newSide, int row3Side,
                           bool clearA, bool clearB);

// s1 = history row 2, s2 = row 1, row3 = row 3 (0 when empty or not a number). The colour
// tracker clears a repeat when rows 2 and 3 show the same text colour; the other two when
// row 3 is on the repeating side.
EvenChancePair br_check(EvenChancePair redBlack, int64_t s1, int64_t s2, int64_t row3,
                        bool row2Row3SameColour);
EvenChancePair hl_check(EvenChancePair lowHigh, int64_t s1, int64_t s2, int64_t row3);
EvenChancePair oe_check(EvenChancePair oddEven, int64_t s1, int64_t s2, int64_t row3);

// On the session: s1 = history row 2, s2 = row 1, as the 5th system passes them; the trackers
// read row 3 and, for colour, the text colours of rows 2 and 3 themselves. Text that is not a
// number in s1 or s2 leaves the states as they are.
void br_check(Session& s, std::string_view s1, std::string_view s2);
void hl_check(Session& s, std::string_view s1, std::string_view s2);
void oe_check(Session& s, std::string_view s1, std::string_view s2);

}  // namespace routines
