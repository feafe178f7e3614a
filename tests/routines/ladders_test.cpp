#include "routines/ladders.h"

#include <gtest/gtest.h>

#include "routines/schedules.h"

using namespace routines;

namespace {

struct Case {
    int (*ladder)(int64_t);
    int64_t count;
    int stake;
};

// Bands must run on without gaps, each after the previous, with stakes that never fall.
void expectWellFormed(std::span<const Band> bands, const char* name) {
    for (size_t i = 0; i < bands.size(); ++i) {
        EXPECT_LE(bands[i].lo, bands[i].hi) << name << " row " << i;
        if (i == 0) continue;
        EXPECT_EQ(bands[i].lo, bands[i - 1].hi + 1) << name << " row " << i;
        EXPECT_GE(bands[i].stake, bands[i - 1].stake) << name << " row " << i;
    }
}

}  // namespace

TEST(Ladders, Boundaries) {
    const Case cases[] = {
        {f_1nbprogCw87, -100, 10}, {f_1nbprogCw87, 101, 0}, {f_1nbprogCw87, 87, 6}, {f_1nbprogCw87, 88, 7},
        {f_1nbprogCw87, 36, 2}, {f_2nbprog60, 70, 32}, {f_2nbprog60, 71, 0}, {f_2nbprog60, -1, 0},
        {f_2nbprog60, 64, 23}, {f_3nbprog30, -1, 0}, {f_3nbprog30, 45, 42}, {f_3nbprog30, 46, 0},
        {f_3nbprog30, 12, 2}, {f_3to5nbprog40, 30, 9}, {f_3to5nbprog40, 31, 0}, {f_4nbprog40, 38, 50},
        {f_4nbprog40, 39, 0}, {f_4nbprog40, 9, 2}, {f_4nbprog40, -1, 0}, {f_5nbprog29, -5, 1},
        {f_5nbprog29, 7, 1}, {f_5nbprog29, 8, 2}, {f_5nbprog29, 29, 40}, {f_5nbprog29, 30, 1},
        {f_6nbhalfbet, 0, 1}, {f_6nbhalfbet, -25, 50}, {f_6nbhalfbet, 26, 1}, {f_6nbhalfbet, 20, 21},
        {f_6nbhalfbet, -21, 25}, {f_6nbhalfbet, 22, 30}, {f_12nb, 0, 0}, {f_12nb, -10, 32},
        {f_12nb, 11, 0}, {f_1colprog10rn, -8, 14}, {f_1colprog10rn, 2, 1}, {f_1colprog10rn, 9, 1},
        {f_colstrFreq, 0, 13}, {f_colstrFreq, 12, 12}, {f_colstrFreq, 13, 13}, {f_1streetprog32, 11, 1},
        {f_1streetprog32, -32, 9}, {f_1streetprog32, 33, 1}, {f_5nbprog29plus10, 10, 0},
        {f_5nbprog29plus10, 35, 19}, {f_5nbprog29plus10, -1, 1}, {f_3nbZerospiel, -2, 2},
        {f_3nbZerospiel, 0, 1}, {f_1nbprogCw87, INT64_MIN, 0}, {f_6nbhalfbet, INT64_MIN, 1},
    };
    for (const auto& c : cases) EXPECT_EQ(c.ladder(c.count), c.stake) << "count " << c.count;
    EXPECT_EQ(f_2nbprog60(5, 70), 32);
    EXPECT_EQ(f_2nbprog60(-3, 70), 32);
}

TEST(Ladders, FibobetSteps) {
    struct F { int64_t bbet, cwin; int next; };
    for (auto f : {F{1, -31, 1}, F{1, -32, 2}, F{2, -63, 2}, F{2, -64, 3}, F{3, 0, 4}, F{6, 0, 8},
                   F{17, 0, 22}, F{22, 0, 28}, F{28, 0, 99}, F{7, 0, 99}, F{0, 0, 99}})
        EXPECT_EQ(fibobet(f.bbet, f.cwin), f.next) << f.bbet << "," << f.cwin;
}

TEST(Ladders, TablesAreContiguousAndNonDecreasing) {
    for (auto s : {LadderSize::One, LadderSize::Two, LadderSize::Three, LadderSize::ThreeToFive,
                   LadderSize::Four, LadderSize::Five, LadderSize::Six, LadderSize::Twelve,
                   LadderSize::Column})
        expectWellFormed(ladderBySize(s).bands, "by size");
    expectWellFormed(Ladder1street32.bands, "1street32");
    expectWellFormed(Ladder5nb29plus10.bands, "5nb29plus10");
    expectWellFormed(M90Bands, "M90");
    expectWellFormed(ES141Bands, "ES141");
    // S90's last row is its restart, not a rung.
    expectWellFormed(std::span(S90Bands).first(std::size(S90Bands) - 1), "S90");
    for (size_t i = 1; i < std::size(FiboLadder); ++i) EXPECT_GT(FiboLadder[i], FiboLadder[i - 1]);
}
