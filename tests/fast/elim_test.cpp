#include "fast/elim.h"

#include <gtest/gtest.h>

#include "forms/amounts.h"

using namespace fast;

TEST(Elimnbrs, PairsAheadOfTheLastSpin) {
    struct C { int64_t last; const char* s; const char* first; const char* second; };
    for (auto c : {C{32, "|1||17|", "15,5", "26,3"}, C{3, "|1||2|", "32,10", "15,5"}, C{0, "|5||8|", "21,33", "17,14"},
                   C{0, "|0||3|", nullptr, "19,24"}, C{7, "|2||2|", "8,12", "8,12"}, C{0, "|18||0|", "26,3", nullptr},
                   C{26, "|17||16|", "23,35", "8,12"}}) {
        const Elimination e = elimnbrs(c.last, c.s);
        EXPECT_EQ(e.s_elimnbr1.value_or("kept"), c.first ? c.first : "kept") << c.last << c.s;
        EXPECT_EQ(e.s_elimnbr2.value_or("kept"), c.second ? c.second : "kept") << c.last << c.s;
    }
}

TEST(Elimnbrs, TextWithoutTwoDistancesEliminatesNothing) {
    for (const char* s : {"", "|8|", "|x||5|", "|8||", "8,5", "|99999999999999999999||1|", "|1000||-1000|"}) {
        const Elimination e = elimnbrs(5, s);
        EXPECT_FALSE(e.s_elimnbr1 || e.s_elimnbr2) << s;
    }
}

TEST(Calcwin, ThirtyThreeNumberBet) {
    struct C { const char* list; const char* spin; const char* stake; std::optional<int64_t> result; };
    for (auto c : {C{"32,10,26,3", "26", "2", -66}, C{"32,10,26,3", "7", "2", 6}, C{"32,10,26,3,5", "5", "1", 3},
                   C{"32,10,26,05", "5", "1", 3}, C{"32,10,26,3", "3", "2,5", -66}, C{"32,10,26,3", "3", "1,5", -66},
                   C{"32,10,26,3", "3", "-1", 33}, C{"32,10,26", "5", "1", std::nullopt}, C{"", "5", "1", std::nullopt},
                   C{"32,10,26,3", "5", "", std::nullopt}, C{"32,10,26,3", "5", "x", std::nullopt},
                   C{"32,10,26,3", "5", "3000000000", 9000000000},
                   C{"32,10,26,3", "3", "200000000000000000", -6600000000000000000},
                   C{"32,10,26,3", "3", "300000000000000000", forms::AmountMin},
                   C{"32,10,26,3", "5", "4000000000000000000", forms::AmountMax}})
        EXPECT_EQ(calcwin(c.list, c.spin, c.stake), c.result) << c.list << " / " << c.spin << " / " << c.stake;
}
