// 14th system on the HGF panel, driven through the entry box.
#include <gtest/gtest.h>

#include "panels/frm3hgf.h"
#include "passes/first/fourteenth_system.h"
#include "settings/frm2opti.h"
#include "support/feed.h"

namespace {

struct Dorvik : ::testing::Test {
    Session s{1};
    Frm3hgf& f = s.frm3hgf();

    void tick() { s.frm2opti().Check2[10].setValue(1); }
    // Bet dozens | Progression Bbet CWS CWAll
    std::string shown() {
        return f.Text7[0].text() + "," + f.Text7[1].text() + " | " + f.Text8[0].text() + " " + f.Text8[1].text() +
               " " + f.Text8[2].text() + " " + f.Text8[3].text();
    }
};

}  // namespace

TEST_F(Dorvik, WorkedRun) {
    tick();
    struct Row { int spin; const char* shown; int phase; };
    for (auto r : {Row{5, ", |  1 0 0", 2}, Row{20, "M,L |  1 0 0", 0}, Row{30, "M,L | 111 2 -2 0", 11},
                   Row{7, "L,H | 1 2 0 0", 20}, Row{8, "W,W | 1 1 0 1", 99},
                   Row{0, "W,W | 1 1 0 1", 99}}) {  // the won session is counted once
        feed(s, {r.spin});
        EXPECT_EQ(shown(), r.shown) << r.spin;
        EXPECT_EQ(s.st.i_status, r.phase) << r.spin;
    }
}

TEST_F(Dorvik, AWonSessionStartsTheNextPairAtAFreshStake) {
    tick();
    feed(s, {5, 20, 30, 7, 25});  // the pair L,H of spin 7 wins on H: result +2
    EXPECT_EQ(shown(), "H,L | 1 1 0 1");
    EXPECT_EQ(s.st.i_status, 20);
    feed(s, {13});
    EXPECT_EQ(shown(), "H,L | 111 2 -2 1") << "the loss is booked at the fresh stake 1";
}

TEST_F(Dorvik, ThreeLossesWaitThenTheNextPairKeepsTheStake) {
    tick();
    feed(s, {5, 20, 30, 30, 30});  // M,L misses three times
    EXPECT_EQ(s.st.i_status, 13);
    EXPECT_EQ(shown(), "M,L | 1112233 4 -12 0");
    feed(s, {1});  // L after H: a new pair at the stake of the last loss
    EXPECT_EQ(shown(), "L,H | 1112233 4 -12 0");
    EXPECT_EQ(s.st.i_status, 20);
}

TEST_F(Dorvik, TickedLateSettlesNoPairThatWasNeverShown) {
    feed(s, {5, 20, 30});
    tick();
    feed(s, {1});  // phase 2: no settlement against rows 2 and 3
    EXPECT_EQ(shown(), "L,H |  1 0 0");
    EXPECT_EQ(s.st.i_status, 20);
}
