#include "passes/first/ninth_system.h"

#include <gtest/gtest.h>

#include "panels/frm3hgf.h"
#include "support/feed.h"

namespace ninth = passes::ninth;

namespace {

// The twelve numbers 1..12 collected and betting from a full history.
state::Sys9thState playing() {
    state::Sys9thState st;
    st.UniqueNumbers = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    return st;
}

ninth::SpinOut spinFull(state::Sys9thState& st, int x, bool advisedWait = false) {
    auto out = ninth::spin(st, {x, true, advisedWait});
    if (out.restake) ninth::restake(st, 0.03);
    return out;
}

struct NinthPanel : ::testing::Test {
    Session s{3};
    Frm3hgf& f = s.frm3hgf();
    std::string shown() { return f.Text3[0].text() + " | " + f.Text3[1].text() + " | " + f.Text3[2].text(); }
};

}  // namespace

TEST_F(NinthPanel, TwelveDistinctNumbersBetFromTheTwelfthSpinAndFirstHitOnTheThirteenth) {
    feed(s, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    EXPECT_EQ(shown(), "0,1,2,3,4,5,6,7,8,9 | wait | 0") << "zero is a number like any other";
    feed(s, {10, 11});
    EXPECT_EQ(shown(), "0,1,2,3,4,5,6,7,8,9,10,11 | 1 | 0") << "stake 1 at the twelfth spin";
    feed(s, {5});
    EXPECT_EQ(shown(), "0,1,2,3,4,5,6,7,8,9,10,11 | 1 | 24") << "the thirteenth spin is the first settled";
}

TEST_F(NinthPanel, TwoMissesWaitThenAHitBooksNothingAndRestakes) {
    feed(s, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
    feed(s, {20});
    EXPECT_EQ(shown(), "1,2,3,4,5,6,7,8,9,10,11,20 | 1 | -12") << "the oldest makes way";
    feed(s, {21});
    EXPECT_EQ(shown(), "2,3,4,5,6,7,8,9,10,11,20,21 | wait | -24");
    feed(s, {22});
    EXPECT_EQ(shown(), "3,4,5,6,7,8,9,10,11,20,21,22 | wait | -24") << "later misses book nothing";
    feed(s, {22});
    EXPECT_EQ(shown(), "3,4,5,6,7,8,9,10,11,20,21,22 | 1 | -24") << "Round(0,72) = 1; nothing booked on wait";
}

TEST(NinthCore, StakeAfterAWinIsTheShareOfTheLoss) {
    struct Case { int32_t before; int32_t after; int64_t stake; };
    // A win adds 24: -64 -> -40 (1,2), -74 -> -50 (1,5), -174 -> -150 (4,5), -34 -> -10 (0,3), -20 -> 4.
    for (auto [before, after, stake] : {Case{-64, -40, 1}, Case{-74, -50, 2}, Case{-174, -150, 4},
                                        Case{-34, -10, 1}, Case{-20, 4, 1}}) {
        auto st = playing();
        st.l_cwin4 = before;
        const auto out = spinFull(st, 7);
        EXPECT_EQ(out.stake, ninth::SpinOut::Stake::Show);
        EXPECT_EQ(st.l_cwin4, after);
        EXPECT_EQ(st.l_basebet4, stake) << before;
    }
}

TEST(NinthCore, RepeatsWaitAndTheTwelfthNumberOnAFullHistoryIsAHitBookedOnlyWithoutWait) {
    for (bool wait : {true, false}) {
        state::Sys9thState st;
        for (int x : {1, 2, 3, 4, 5, 6, 1, 7, 8, 9, 10, 11}) ninth::spin(st, {x, false, true});
        EXPECT_EQ(st.UniqueNumbers.size(), 12u) << "a repeat does not count";
        spinFull(st, 30, wait);
        EXPECT_TRUE(st.b_win);
        EXPECT_EQ(st.UniqueNumbers.back(), 30);
        EXPECT_EQ(st.l_cwin4, wait ? 0 : 24);
    }
}

TEST(NinthCore, ResultsStayWithin32BitsWhateverThePercent) {
    auto st = playing();
    st.l_cwin4 = -2'000'000'000;
    EXPECT_TRUE(ninth::spin(st, {7, true, false}).restake);
    ninth::restake(st, 99999.0);
    EXPECT_EQ(st.l_basebet4, 1'000'000'000'000);
    spinFull(st, 36);
    EXPECT_EQ(st.l_cwin4, INT32_MIN);
    ninth::restake(st, std::nullopt);  // a percent that is no number keeps the stake
    EXPECT_EQ(st.l_basebet4, 1'000'000'000'000);
    ninth::spin(st, {3, true, false});
    EXPECT_EQ(st.l_cwin4, INT32_MAX);
}
