// The column and number systems of the "TCh" window and the follower counts of The Edge, driven
// through the entry box as a player would.
#include <gtest/gtest.h>

#include "edge/column_systems.h"
#include "panels/frm7tch.h"
#include "panels/frm8edge.h"
#include "support/feed.h"

namespace {

std::string tch(Session& s, int box) { return s.frm7tch().Text1[box].text(); }
std::string edgeBox(Session& s, int box) { return s.frm8edge().Text1[box].text(); }

TEST(ColumnSystem1, StartsOnAChangeOfColumnAndClimbsItsLadderWhileItFollows) {
    Session s{1};
    feed(s, {3, 1, 2});
    EXPECT_EQ(s.frm7tch().Label1[22].caption(), "2C");
    EXPECT_EQ(tch(s, 114), "1");
    // Every spin lands in the other column: 1, 1, 2, 3, 4, 6, 9, 14 lost, then the ladder restarts.
    feed(s, {1, 2, 1, 2, 1, 2, 1, 2});
    EXPECT_EQ(tch(s, 112), "-40");
    EXPECT_EQ(tch(s, 113), "-40");
    EXPECT_EQ(tch(s, 114), "1");
    EXPECT_EQ(tch(s, 115), "9");
    EXPECT_EQ(s.frm7tch().Label1[22].caption(), "2C");
}

TEST(ColumnSystem1, HitPaysTwiceTheStakeAndZeroKeepsTheColumn) {
    Session s{1};
    feed(s, {3, 1, 2, 0});  // on column 2; zero loses 1 without a move
    EXPECT_EQ(tch(s, 112), "-1");
    EXPECT_EQ(tch(s, 115), "2");
    EXPECT_EQ(s.frm7tch().Label1[22].caption(), "2C");
    feed(s, {5});  // column 2 comes: +2 x stake 1
    EXPECT_EQ(tch(s, 112), "1");
    EXPECT_EQ(tch(s, 115), "0");
    EXPECT_EQ(tch(s, 114), "1");
}

TEST(ColumnSystem2, ThreeSpinsOfOneColumnStartTheBetAndARepeatLoses) {
    Session s{1};
    feed(s, {4, 7, 1});
    EXPECT_EQ(s.frm7tch().Label1[27].caption(), "1C");
    EXPECT_EQ(tch(s, 147), "1");
    feed(s, {1});  // the same number twice is a loss of two stakes
    EXPECT_EQ(tch(s, 146), "-2");
    EXPECT_EQ(tch(s, 147), "3");
    EXPECT_EQ(tch(s, 148), "-2");
    feed(s, {2});  // a different number wins one stake, stake back to 1
    EXPECT_EQ(tch(s, 146), "1");
    EXPECT_EQ(tch(s, 147), "1");
    EXPECT_EQ(tch(s, 149), "3");
}

TEST(ColumnSystem2, StakeTriplesUntilTwentyThousandThenRestarts) {
    state::TchColumnState st;
    st.b_colstring = true;
    st.i_colstring = 3;
    st.i_bbetcolstr27 = 6561;
    const std::array<int64_t, 3> expected{19683, 59049, 1};
    for (int64_t want : expected) {
        edge::columnSystem2Step(st, "0", "5", 0, 5, 7);
        EXPECT_EQ(st.i_bbetcolstr27, want);
        st.b_colstring = true;
    }
}

TEST(UnseenNumbers, BetsEveryNumberNotSeenInTheCycle) {
    Session s{1};
    feed(s, {17});
    EXPECT_EQ(tch(s, 199), "36");
    EXPECT_EQ(tch(s, 195), "0");
    feed(s, {17});
    EXPECT_EQ(tch(s, 199), "35");
    EXPECT_EQ(tch(s, 195), "-35");
    feed(s, {0});  // zero loses on every number still unseen
    EXPECT_EQ(tch(s, 195), "-70");
    EXPECT_EQ(tch(s, 196), "-70");
    EXPECT_EQ(tch(s, 198), "4");
}

TEST(UnseenNumbers, PastTheLimitOrWithALimitThatIsNoNumberOnlyCounts) {
    for (const char* limit : {"2", "x", ""}) {
        Session s{1};
        s.frm7tch().Text1[200].setText(limit);
        feed(s, {5, 6, 7});
        const bool numeric = std::string(limit) == "2";
        EXPECT_EQ(tch(s, 199), "0") << limit;
        EXPECT_EQ(tch(s, 198), "4") << limit;
        EXPECT_EQ(tch(s, 195), numeric ? "1" : "0") << limit;  // 0, then +36 - 35
    }
}

TEST(Partners, TheFiveNewestSpinsGiveTheirPartnersWhenTheHgfSumPassesTheLimit) {
    state::TchNumberState st;
    edge::partnerListStep(st, {1, 2, 3, 4, 5}, true, 8.0, 40);
    EXPECT_EQ(edge::partnerCaption(st.PartnerList), "2 1 26 16 15");
    // A list that cannot be read, or a sum at the limit, leaves entries 1..4 empty.
    edge::partnerListStep(st, {1, 2, 3, 4, 5}, true, 8.0, std::nullopt);
    EXPECT_EQ(edge::partnerCaption(st.PartnerList), "-");
    edge::partnerListStep(st, {1, 2, 3, 4, 5}, true, 40.0, 40);
    EXPECT_EQ(st.PartnerList[4], "");
}

TEST(Partners, FiveNumberCycleHitPaysThirtyOneStakesAndLimitStopsStaking) {
    state::TchNumberState st;
    edge::partnerListStep(st, {1, 2, 3, 4, 5}, true, 8.0, 40);
    edge::fiveNumberStep(st, "5", 20);
    EXPECT_EQ(st.i_cnt31st, 0);
    for (int i = 0; i < 21; ++i) edge::fiveNumberStep(st, "0", 20);
    EXPECT_EQ(st.i_cnt31st, 21);
    EXPECT_EQ(st.i_bbet31st, 0);  // past the limit nothing is staked
    const int64_t before = st.l_cwin31st;
    edge::fiveNumberStep(st, "0", 20);
    EXPECT_EQ(st.l_cwin31st, before);
    st.i_bbet31st = 3;
    edge::fiveNumberStep(st, "26", 20);
    EXPECT_EQ(st.l_cwin31st, before + 93);
    EXPECT_EQ(st.i_cnt31st, -1);
    EXPECT_EQ(st.PartnerList[4], "");
}

TEST(DrawnLists, ListsFollowTheSpinAndTheClock) {
    Session s{1};
    s.localTime = [] {
        std::tm t{};
        t.tm_hour = 14;
        t.tm_mday = 3;
        return t;
    };
    feed(s, {0});
    auto& f = s.frm7tch();
    EXPECT_EQ(f.Label1[55].caption(), "21,34,2,5,13");
    EXPECT_EQ(f.Label1[56].caption(), "0,0,0,0,0");
    EXPECT_EQ(tch(s, 279), "0");  // a list never drawn is never hit
    EXPECT_EQ(tch(s, 281), "0");
    feed(s, {36});
    EXPECT_EQ(f.Label1[54].caption(), "12,3,15");
    EXPECT_EQ(f.Label1[53].caption(), "36,0");
    EXPECT_EQ(tch(s, 281), "-5");
    feed(s, {2});  // list B holds 2: a hit at stake 1 draws a new list from 2
    EXPECT_EQ(tch(s, 281), "26");
    EXPECT_EQ(tch(s, 279), "1");
    EXPECT_EQ(f.Label1[55].caption(), "10,2,4,11,29");
    EXPECT_EQ(tch(s, 278), "1");
}

TEST(Followers, CountWhatFollowsTheChosenNumber) {
    Session s{1};
    s.frm8edge().Text1[137].setText("17");
    feed(s, {17, 22});
    EXPECT_EQ(edgeBox(s, 122), "0");  // two spins count nothing
    feed(s, {5, 17, 22});
    EXPECT_EQ(edgeBox(s, 122), "1");
    s.frm8edge().Text1[137].setText("x");
    feed(s, {17, 22});
    EXPECT_EQ(edgeBox(s, 122), "1");
}

TEST(StreetGaps, CountSinceEachStreetAndTurnGreenPastTheLimit) {
    Session s{1};
    feed(s, {34});
    EXPECT_EQ(tch(s, 99), "0");
    EXPECT_EQ(tch(s, 98), "1");
    feed(s, {0, 0, 0, 0, 0, 0, 0});  // zero raises every gap
    EXPECT_EQ(tch(s, 99), "7");
    feed(s, {33});
    EXPECT_EQ(tch(s, 98), "0");
    EXPECT_EQ(tch(s, 99), "8");
    EXPECT_EQ(s.frm7tch().Text1[99].backColor(), forms::colors::White);
    EXPECT_EQ(tch(s, 88), "9");
    EXPECT_EQ(s.frm7tch().Text1[88].backColor(), forms::colors::Green);
    EXPECT_EQ(tch(s, 184), "8");
}

}  // namespace
