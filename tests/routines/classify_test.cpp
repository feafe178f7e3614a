#include "routines/classify.h"

#include <gtest/gtest.h>

#include "panels/frm5help.h"
#include "shell/session.h"

using namespace routines;

TEST(Classify, ClassesOfEveryNumber) {
    int reds = 0, lows = 0, odds = 0;
    int columns[4] = {}, sixes[7] = {};
    for (int n = 1; n <= 36; ++n) {
        reds += isRed(n);
        EXPECT_NE(isRed(n), isBlack(n)) << n;
        lows += isLow(n);
        odds += isOdd(n);
        ++columns[columnClass(n)];
        ++sixes[sixth(n)];
    }
    EXPECT_EQ(reds, 18);
    EXPECT_EQ(lows, 18);
    EXPECT_EQ(odds, 18);
    EXPECT_EQ(columns[0], 0);
    EXPECT_EQ(columns[1], 12);
    for (int k = 0; k < 6; ++k) EXPECT_EQ(sixes[k], 6);
    EXPECT_FALSE(isRed(0) || isBlack(0) || isLow(0) || isHigh(0) || isOdd(0) || isEven(0));
}

TEST(Classify, TextRoutinesAtTheirBounds) {
    Session s{1};
    struct Case { const char* spin; const char* dozen; int col; int colour; const char* br; };
    for (auto c : std::initializer_list<Case>{{"0", "0", 0, 0, "0"}, {"37", "", 0, 0, ""},
                                              {"40", "", 0, 0, ""}, {"34", "H", 1, 1, "R"},
                                              {"19", "M", 1, 1, "R"}, {"10", "L", 1, 2, "B"},
                                              {"x", "", 0, 0, ""}, {"12", "L", 3, 1, "R"}}) {
        EXPECT_EQ(lhm_check(s, c.spin), c.dozen) << c.spin;
        EXPECT_EQ(col_check2(c.spin), c.col) << c.spin;
        EXPECT_EQ(br_check18th(c.spin), c.colour) << c.spin;
        EXPECT_EQ(br_br18th(s, c.spin), c.br) << c.spin;
    }
    // Counted: H for 34, M for 19, L for 10 and 12.
    EXPECT_EQ(s.st.l_ll.value(), 2);
    EXPECT_EQ(s.st.l_mm.value(), 1);
    EXPECT_EQ(s.st.l_hh, 1);
    EXPECT_EQ(s.frm5help().Text1[4].backColor(), forms::colors::Red);  // 12 was last
    br_br18th(s, "0");
    EXPECT_EQ(s.frm5help().Text1[4].backColor(), forms::colors::Red);
    br_br18th(s, "11");
    EXPECT_EQ(s.frm5help().Text1[4].backColor(), forms::colors::Black);
}

TEST(Classify, SixthBounds) {
    struct Case { int n, six; };
    for (auto c : std::initializer_list<Case>{{0, 6}, {6, 0}, {7, 1}, {36, 5}, {-3, 6}, {40, 5}, {13, 2}})
        EXPECT_EQ(sixth(c.n), c.six) << c.n;
}

TEST(Classify, CountersOfTheSecondKindAndColumns) {
    Session s{1};
    for (const char* t : {"1", "13", "25", "0", "36", "2"}) {
        lhm_check2(s, t);
        col_check(s, t);
    }
    EXPECT_EQ(s.st.l_ll2.value(), 2);
    EXPECT_EQ(s.st.l_mm2.value(), 1);
    EXPECT_EQ(s.st.l_hh2, 2);
    EXPECT_EQ(s.st.l_1col.value(), 3);  // 1, 13, 25
    EXPECT_EQ(s.st.l_2col.value(), 1);
    EXPECT_EQ(s.st.l_3col, 1);
}
