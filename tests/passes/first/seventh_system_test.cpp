#include "passes/first/seventh_system.h"

#include <gtest/gtest.h>

#include "shell/reset.h"
#include "support/feed.h"

namespace {

struct Seventh : ::testing::Test {
    Session s{1};
    Frm1basic& f = s.frm1basic();
    Seventh() { f.Check3.click(); }
    std::string shown() { return f.Text15[3].text() + "|" + f.Text15[0].text() + "|" + f.Text15[1].text() + "|" + f.Text15[2].text(); }
};

}  // namespace

TEST_F(Seventh, WorkedRunStartsExtendsAndEndsOnAPositiveResult) {
    feed(s, {1});
    EXPECT_EQ(shown(), "|2,3|1|0");  // a run starts and books nothing
    feed(s, {5});
    EXPECT_EQ(shown(), "|2,3,4,6|1|-2");
    feed(s, {4});  // +36 - 4: the result 30 ends the run
    EXPECT_EQ(shown(), "||1|30");
    feed(s, {7, 8});  // an ended run only records
    EXPECT_EQ(shown(), "||1|30");
}

TEST_F(Seventh, HitAtOrBelowZeroRaisesTheStakeAndDropsItsStreet) {
    feed(s, {1, 5, 8, 11, 14, 17, 20, 23});  // every miss adds a street: 16 numbers, -56
    EXPECT_EQ(s.st.l_betnbrs, 16);
    EXPECT_EQ(f.Text15[2].text(), "-56");
    feed(s, {2});  // +36 - 16 = +20
    EXPECT_EQ(shown(), "|4,6,7,9,10,12,13,15,16,18,19,21,22,24|2|-36");
    EXPECT_EQ(s.st.l_betnbrs, 14);
}

TEST_F(Seventh, ARepeatedSpinOnAStreetAlreadyBetLosesWithoutExtending) {
    feed(s, {1, 5, 5});
    EXPECT_EQ(shown(), "|2,3,4,6|1|-6");
    EXPECT_TRUE(s.st.b_exit2);
}

TEST_F(Seventh, ZeroNeverEntersTheBet) {
    feed(s, {0});
    EXPECT_EQ(shown(), "||1|0");  // a zero starts no run
    feed(s, {5});
    EXPECT_EQ(shown(), "|4,6|1|0");  // the first non-zero spin does
    feed(s, {0});
    EXPECT_EQ(shown(), "|4,6|1|-2");  // a zero loses the stakes on the list
    feed(s, {0, 4});
    EXPECT_EQ(shown(), "||1|30");
}

TEST_F(Seventh, ARunStartCountsItsTwoNumbersAfresh) {
    feed(s, {1, 5});
    f.Check3.click();  // off: Reset leaves the system alone but clears the history
    f.Command2.click();
    f.Check3.click();
    feed(s, {10, 20});
    EXPECT_EQ(s.st.l_betnbrs, 4);
    EXPECT_EQ(f.Text15[2].text(), "-4");  // -2 from before, -2 on the two new numbers
}

TEST(SeventhCore, LongListsSplitOverTwoBoxes) {
    std::string head, tail;
    passes::seventh::display("1,2,3", head, tail);
    EXPECT_EQ(head + "|" + tail, "|1,2,3");
    passes::seventh::display("10,11,12,13,14,15,16,17,18,19,20,21,22,23,24", head, tail);
    EXPECT_EQ(head, ",10,11,12,13,14,15,16,17,18,19,20,21,22,23");
    EXPECT_EQ(tail, ",24");
}

TEST(SeventhCore, RecordGrowsWithTheSpinCount) {
    state::Sys7thState st;
    st.s_bet = "2,3";
    st.l_betnbrs = 2;
    passes::seventh::step(st, {7, false, 25'000, -200});
    EXPECT_EQ(st.StreetSpinRecord.at(24'999), 7);
    passes::seventh::step(st, {7, false, 25'001, -200});
    EXPECT_TRUE(st.b_exit2);  // seen before and its street is bet now
    passes::seventh::clearRecord(st, 1'000'000);
    EXPECT_EQ(st.StreetSpinRecord.at(24'999), -1);
}

TEST(SeventhCore, AHitEndsTheRunOnlyAboveZeroOrBelowTheStopLoss) {
    struct Case { int64_t cwin; int64_t stopLoss; bool ends; };
    // A hit on a list of 4 numbers at stake 1 books +32.
    const Case cases[] = {{-33, -200, false}, {-32, -200, false}, {-31, -200, true},
                          {-232, -200, false}, {-233, -200, true}};
    for (const auto& c : cases) {
        state::Sys7thState st;
        st.s_bet = "2,3,4,6";
        st.l_betnbrs = 4;
        st.l_cwin3 = c.cwin;
        passes::seventh::step(st, {4, false, 9, c.stopLoss});
        EXPECT_EQ(st.s_bet.empty(), c.ends) << c.cwin;
        EXPECT_EQ(st.l_mrbasebet, c.ends ? 1 : 2) << c.cwin;
        if (!c.ends) {
            EXPECT_EQ(st.s_bet, "2,3") << c.cwin;
        }
    }
}

TEST(SeventhCore, OnlyEarlierSpinsCountAsRepeatsAndARunStartBooksNothing) {
    state::Sys7thState st;
    st.s_bet = "2,3";
    st.StreetSpinRecord[2] = 1;  // stale: this spin's own entry, left from before a count reset
    passes::seventh::step(st, {1, false, 3, -200});
    EXPECT_FALSE(st.b_exit2);
    EXPECT_EQ(st.StreetSpinRecord[2], 1);

    state::Sys7thState fresh;
    fresh.b_exit = false;  // left by a miss before the history was cleared
    passes::seventh::step(fresh, {8, true, 1, -200});
    EXPECT_EQ(fresh.s_bet, "7,9");
    EXPECT_EQ(fresh.l_cwin3, 0);
}
