#include "passes/second/first_system.h"

#include <gtest/gtest.h>

#include "support/feed.h"

using passes::FirstSystemState;
using passes::firstSystemSpin;

namespace {

FirstSystemState advised(int64_t trend, int64_t cwin, int64_t bbet) {
    return FirstSystemState{{}, {}, {}, trend, cwin, bbet, std::string(1, 'M'), std::string(1, 'L')};
}

}  // namespace

TEST(FirstSystemCore, StakeRulesOfWinAndNegativeResult) {
    struct C { const char* what; int64_t cwin, bbet; const char* d1; const char* d2; const char* d3; int64_t cwinAfter, bbetAfter; };
    const C cases[] = {
        {"win at -1 back to zero, stake 1", -1, 1, "M", "M", "L", 0, 1},
        {"win at -5, stake 3: +1 twice", -5, 3, "M", "M", "L", -2, 5},
        {"win on an advised dozen", 0, 1, "M", "H", "L", 1, 1},
        {"nothing matches: the stake still grows", -4, 2, "H", "M", "H", -4, 3},
    };
    for (const auto& c : cases) {
        FirstSystemState st = advised(3, c.cwin, c.bbet);
        firstSystemSpin(st, 5, c.d1, c.d2, c.d3);
        EXPECT_EQ(st.l_cwin1, c.cwinAfter) << c.what;
        EXPECT_EQ(st.l_bbet1, c.bbetAfter) << c.what;
        EXPECT_EQ(st.advice0 + st.advice3, "ML") << c.what;
    }
}

TEST(FirstSystemCore, StakeGrowsPastThirtyTwoBits) {
    FirstSystemState st = advised(3, -1, 2147483647);
    firstSystemSpin(st, 5, "H", "M", "H");
    EXPECT_EQ(st.l_bbet1, int64_t{2147483648});
}

TEST(FirstSystemCore, TheSleepingDozenLosesTwoStakesInBothStates) {
    for (int64_t trend : {1, 2}) {
        FirstSystemState st = advised(trend, 0, 1);
        firstSystemSpin(st, 30, "H", "M", "L");
        EXPECT_EQ(st.l_cwin1, -2) << trend;
        EXPECT_EQ(st.l_bbet1, 2) << trend;
        EXPECT_EQ(st.advice0 + st.advice3, "HM") << trend;
        EXPECT_EQ(st.l_trend1, trend);
    }
}

TEST(FirstSystemCore, ZeroBooksOnceAndKeepsTheClasses) {
    // A repeated dozen in rows 1 and 2 would count as a win if settled again.
    FirstSystemState st{std::string(1, 'M'), std::string(1, 'M'), std::string(1, 'L'), 2, 0, 1,
                        std::string(1, 'M'), std::string(1, 'L')};
    firstSystemSpin(st, 0, "0", "M", "M");
    EXPECT_EQ(st.l_cwin1, -2);
    EXPECT_EQ(st.l_bbet1, 2);
    EXPECT_EQ(st.s_1 + st.s_2 + st.s_3, "MML");
}

TEST(FirstSystemCore, NoBookingOnAnAdviceThatIsNoBet) {
    FirstSystemState st = advised(2, -3, 2);
    st.advice3 = std::string(1, '0');  // a zero took the second advice place
    firstSystemSpin(st, 14, "M", "M", "L");
    EXPECT_EQ(st.l_cwin1, -3);
    EXPECT_EQ(st.l_bbet1, 3);
    st.advice0.clear();  // emptied by Reset
    st.advice3 = std::string(1, 'L');
    firstSystemSpin(st, 30, "H", "M", "M");
    EXPECT_EQ(st.l_cwin1, -3) << "the new advice is taken without booking";
    EXPECT_EQ(st.advice0 + st.advice3, "HM");
}

struct FirstSystem : ::testing::Test {
    Session s{1};
    Frm1basic& f = s.frm1basic();
    void SetUp() override { f.Check2.setValue(1); }
    // "advice,advice result/stake"
    std::string boxes() {
        std::string out = f.Text4[0].text();
        out += ',';
        out += f.Text4[3].text();
        out += ' ';
        out += f.Text4[1].text();
        out += '/';
        out += f.Text4[2].text();
        return out;
    }
};

TEST_F(FirstSystem, StatesAfterTheFirstSpins) {
    struct Step { int spin; int64_t trend; const char* shown; };
    const Step steps[] = {
        {5, 2, ", 0/1"},       // one spin: no second dozen
        {14, 1, "M,L 0/1"},    // two dozens
        {30, 1, "H,M -2/2"},   // the sleeping dozen fell
        {25, 1, "H,M 0/1"},    // a repeated dozen: a win, back to zero
        {0, 1, "H,M -2/2"},    // zero: both stakes
        {3, 1, "L,0 -6/3"},    // the sleeper again; a zero in row 2 joins the advice
        {4, 1, "L,0 -6/4"},    // no dozen pair on the table: nothing booked
    };
    for (const auto& st : steps) {
        feed(s, {st.spin});
        EXPECT_EQ(boxes(), st.shown) << st.spin;
        EXPECT_EQ(s.st.l_trend1.value(), st.trend) << st.spin;
    }
}

TEST_F(FirstSystem, SameDozenTwiceIsStateThree) {
    feed(s, {1, 2});
    EXPECT_EQ(s.st.l_trend1.value(), 3);
    EXPECT_EQ(f.Text4[0].text(), "");
}

TEST_F(FirstSystem, UntickedSwitchFreezesTheBoxes) {
    feed(s, {5, 14, 30});
    const std::string before = boxes();
    f.Check2.setValue(0);
    feed(s, {30, 0, 7});
    EXPECT_EQ(boxes(), before);
    EXPECT_EQ(s.st.l_cwin1, -2);
}
