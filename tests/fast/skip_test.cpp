#include "fast/skip.h"

#include <gtest/gtest.h>

#include "fast/elim.h"
#include "routines/wheel.h"

using namespace fast;

TEST(CalcSkip, Boundaries) {
    struct C { int64_t older, newer; int skip; };
    for (auto c : {C{5, 15, 0}, C{5, 5, 0}, C{32, 15, 1}, C{15, 32, 17}, C{26, 32, 1}, C{0, 3, 18},
                   C{3, 0, 0}, C{0, 0, 0}, C{32, 0, 17}, C{37, 32, 1}, C{-1, 26, 18}})
        EXPECT_EQ(calc_skip(c.older, c.newer), c.skip) << c.older << " -> " << c.newer;
}

TEST(CalcSkip, BothWaysAddToZeroOrEighteen) {
    for (int a = 1; a <= 36; ++a)
        for (int b = 1; b <= 36; ++b) {
            const int ab = calc_skip(a, b), ba = calc_skip(b, a);
            EXPECT_TRUE(ab >= 0 && ab <= 17) << a << "," << b;
            EXPECT_TRUE(ab + ba == 0 || ab + ba == 18) << a << "," << b;
            EXPECT_EQ(ab == 0, routines::oppositePairIndex(a) == routines::oppositePairIndex(b));
        }
}

TEST(CalcSkip, ElimnbrsLeavesOutThePairsThatManyPlacesAhead) {
    for (int last = 1; last <= 36; ++last)
        for (int d = 0; d <= 17; ++d) {
            const std::string fass = std::string("|").append(std::to_string(d)).append("||0|");
            const auto e = elimnbrs(last, fass);
            ASSERT_TRUE(e.s_elimnbr1.has_value());
            const int first = std::stoi(*e.s_elimnbr1);
            EXPECT_EQ(calc_skip(last, first), d) << last << " + " << d;
        }
}

TEST(FassValues, NumbersAndCounters) {
    for (int v = -1; v <= 21; ++v) {
        const bool fass = v == 1 || v == 2 || v == 3 || v == 5 || v == 8 || v == 13 || v == 16;
        EXPECT_EQ(FASS_numbers(v), fass ? 1 : 0) << v;
    }
    EXPECT_EQ(FASS_check({}, 8, "LOW").l_8, 1);
    EXPECT_EQ(FASS_check({}, 8, "HIGH").l_8, 1);
    EXPECT_EQ(FASS_check({}, 16, "HIGH").l_16, 1);
    EXPECT_EQ(FASS_check({}, 2, "LOW").l_2, 1);
    for (auto [v, s] : {std::pair{4, "LOW"}, {9, "HIGH"}, {1, "low"}, {13, "LOW"}, {0, "LOW"}})
        EXPECT_EQ(FASS_check({}, v, s), FassCounts{}) << v << " " << s;
}

namespace {

FassCounts low(int64_t c1, int64_t c2, int64_t c3, int64_t c5, int64_t c8) { return {c1, c2, c3, c5, c8, 0, 0}; }

FassSelection lowZero(const FassCounts& c) { return sealow_0({}, c.l_8, c.l_5, c.l_3, c.l_2, c.l_1); }

}  // namespace

TEST(FassSearches, ZeroStageChoosesAbsentValues) {
    EXPECT_EQ(lowZero(low(0, 0, 4, 2, 1)), (FassSelection{"|2||1|", 2}));
    EXPECT_EQ(lowZero(low(0, 0, 0, 0, 0)), (FassSelection{"|8||5|", 2}));
    EXPECT_EQ(lowZero(low(3, 3, 3, 0, 0)), (FassSelection{"|8||5|", 2}));
    EXPECT_EQ(lowZero(low(1, 1, 1, 0, 1)), (FassSelection{"|5|", 1}));
    EXPECT_EQ(seahigh_0({}, 0, 0, 0), (FassSelection{"|16||13|", 2}));
    EXPECT_EQ(seahigh_0({}, 2, 1, 0), (FassSelection{"|8|", 1}));
}

TEST(FassSearches, MostFrequentWithTies) {
    struct C { FassCounts c; int64_t first, second; const char* chosen; };
    const C lowCases[] = {
        {low(1, 1, 2, 3, 5), 5, 3, "|8||5|"},  // 8 alone largest, 5 second
        {low(1, 1, 4, 1, 4), 4, 4, "|8||5|"},  // 8 and 3 tie: the second chain finds "|8|" and takes 5
        {low(2, 1, 4, 4, 1), 4, 4, "|5||5|"},  // 5 and 3 tie: 5 twice
        {low(5, 1, 1, 1, 1), 5, 1, "|1||8|"},
    };
    for (const auto& k : lowCases)
        EXPECT_EQ(sealow_00({}, k.c, k.first, k.second).s_string, k.chosen);
    const FassCounts tie13and8{0, 0, 0, 0, 3, 3, 1};
    EXPECT_EQ(seahigh_00({}, tie13and8, 3, 3), (FassSelection{"|13||8|", 2}));
    const FassCounts tie16and13{0, 0, 0, 0, 1, 3, 3};
    EXPECT_EQ(seahigh_00({}, tie16and13, 3, 3).s_string, "|16||13|");
}

TEST(FassSearches, OneChosenAddsTheMostFrequent) {
    const FassCounts c = low(1, 2, 5, 0, 1);
    const FassSelection one = lowZero(c);
    ASSERT_EQ(one, (FassSelection{"|5|", 1}));
    EXPECT_EQ(sealow_01(one, c, 5), (FassSelection{"|5||3|", 2}));
    const FassCounts h{0, 0, 0, 0, 2, 0, 4};
    EXPECT_EQ(seahigh_01(seahigh_0({}, 4, 0, 2), h, 4), (FassSelection{"|13||16|", 2}));
    // A full selection takes nothing more.
    EXPECT_EQ(sealow_01({"|8||5|", 2}, c, 5).l_counter, 2);
}
