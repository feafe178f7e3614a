#include "routines/ladders.h"

namespace routines {

const Ladder& ladderBySize(LadderSize size) {
    switch (size) {
        case LadderSize::One: return Ladder1nbCw87;
        case LadderSize::Two: return Ladder2nb60;
        case LadderSize::Three: return Ladder3nb30;
        case LadderSize::ThreeToFive: return Ladder3to5nb40;
        case LadderSize::Four: return Ladder4nb40;
        case LadderSize::Five: return Ladder5nb29;
        case LadderSize::Six: return Ladder6nbHalf;
        case LadderSize::Twelve: return Ladder12nb;
        case LadderSize::Column: return Ladder1col10rn;
    }
    return Ladder1nbCw87;
}

int fibobet(int64_t bbet, int64_t cwin) {
    if (bbet == 1) return cwin <= -32 ? 2 : 1;
    if (bbet == 2) return cwin <= -64 ? 3 : 2;
    constexpr int last = static_cast<int>(std::size(FiboLadder)) - 1;
    for (int i = 2; i < last; ++i)
        if (bbet == FiboLadder[i]) return FiboLadder[i + 1];
    return FiboOff;
}

int f_1nbprogCw87(int64_t i0) { return ladderStake(Ladder1nbCw87, i0); }
int f_2nbprog60(int64_t i0) { return ladderStake(Ladder2nb60, i0); }
int f_3nbprog30(int64_t i0) { return ladderStake(Ladder3nb30, i0); }
int f_3to5nbprog40(int64_t i0) { return ladderStake(Ladder3to5nb40, i0); }
int f_4nbprog40(int64_t i0) { return ladderStake(Ladder4nb40, i0); }
int f_5nbprog29(int64_t i0) { return ladderStake(Ladder5nb29, i0); }
int f_6nbhalfbet(int64_t i0) { return ladderStake(Ladder6nbHalf, i0); }
int f_12nb(int64_t i0) { return ladderStake(Ladder12nb, i0); }
int f_1colprog10rn(int64_t i0) { return ladderStake(Ladder1col10rn, i0); }
int f_colstrFreq(int64_t i0) { return i0 >= 1 && i0 <= 12 ? static_cast<int>(i0) : 13; }
int f_1streetprog32(int64_t i0) { return ladderStake(Ladder1street32, i0); }
int f_5nbprog29plus10(int64_t i0) { return ladderStake(Ladder5nb29plus10, i0); }
int f_3nbZerospiel(int64_t i0) { return ladderStake(Ladder3nbZerospiel, i0); }

}  // namespace routines
