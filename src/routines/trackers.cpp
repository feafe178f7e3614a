#include "routines/trackers.h"

#include "routines/classify.h"

namespace routines {

namespace {

EvenChancePair sideChecked(EvenChance chance, EvenChancePair st, int64_t s1, int64_t s2,
                           int64_t row3) {
    const int t = evenChanceSide(chance, row3);
    return trackRepeat(st, evenChanceSide(chance, s1), evenChanceSide(chance, s2), t, t == 1,
                       t == 2);
}

}  // namespace

int evenChanceSide(EvenChance chance, int64_t n) {
    if (n < 1 || n > 36) return 0;
    const int k = static_cast<int>(n);
    switch (chance) {
        case EvenChance::Colour: return isRed(k) ? 1 : 2;
        case EvenChance::Half: return isLow(k) ? 1 : 2;
        case EvenChance::Parity: return isOdd(k) ? 1 : 2;
    }
    return 0;
}

EvenChancePair trackRepeat(EvenChancePair st, int prevSide, int newSide, int row3Side,
                           bool clearA, bool clearB) {
    if (prevSide == 1) st.a = 1;
    if (prevSide == 2) st.b = 1;

    // The same rule for both sides: `mine` is the side that came, `other` the opposite one.
    auto step = [row3Side](int64_t& mine, int64_t& other, int mySide) {
        if (mine == 1) {
            mine = 2;
        } else if (row3Side == mySide) {
            mine = 0;
            other = 1;
        } else if (row3Side != 0) {
            mine = 0;
            other = 0;
        }
    };
    if (newSide == 1) step(st.a, st.b, 1);
    if (newSide == 2) step(st.b, st.a, 2);

    if (st.b == 2 && clearB) st.b = 0;
    if (st.a == 2 && clearA) st.a = 0;
    return st;
}

EvenChancePair br_check(EvenChancePair redBlack, int64_t s1, int64_t s2, int64_t row3,
                        bool row2Row3SameColour) {
    const auto c = EvenChance::Colour;
    return trackRepeat(redBlack, evenChanceSide(c, s1), evenChanceSide(c, s2),
                       evenChanceSide(c, row3), row2Row3SameColour, row2Row3SameColour);
}

EvenChancePair hl_check(EvenChancePair lowHigh, int64_t s1, int64_t s2, int64_t row3) {
    return sideChecked(EvenChance::Half, lowHigh, s1, s2, row3);
}

EvenChancePair oe_check(EvenChancePair oddEven, int64_t s1, int64_t s2, int64_t row3) {
    return sideChecked(EvenChance::Parity, oddEven, s1, s2, row3);
}

}  // namespace routines
