// 13th Fibonacci numbers on the FAST panel, driven through the entry box.
#include <gtest/gtest.h>

#include "panels/frm6fast.h"
#include "settings/frm2opti.h"
#include "support/feed.h"

namespace {

struct Fibonacci : ::testing::Test {
    Session s{1};
    Frm6fast& f = s.frm6fast();

    void misses(int k) {
        for (int i = 0; i < k; ++i) feed(s, {i % 2 ? 0 : 4});  // zero is a miss too
    }
    std::string boxes() {
        std::string out;
        for (int i = 0; i < 5; ++i) out += (i ? " " : "") + f.Text3[i].text();
        return out;  // Bbet Cwin Fnon Fnbrs lowest
    }
};

}  // namespace

TEST_F(Fibonacci, StartsAfterFiboNONnbrsMissesAndWinsTwentyEight) {
    misses(14);
    EXPECT_NE(f.Label2[16].backColor(), forms::colors::Green);
    misses(1);
    EXPECT_EQ(f.Label2[16].backColor(), forms::colors::Green);
    EXPECT_EQ(boxes(), "0 0 15 0 0") << "the boxes still show the stake before the run";
    feed(s, {21});
    EXPECT_EQ(boxes(), "1 28 0 1 0");
    EXPECT_EQ(f.Label2[16].backColor(), forms::colors::Black);
    feed(s, {8});
    EXPECT_EQ(boxes(), "1 28 0 2 0") << "Fnbrs counts hits while waiting too";
}

TEST_F(Fibonacci, StakeClimbsTheLadderWithTheLosses) {
    misses(15);
    struct Step { int misses; const char* boxes; };
    for (auto st : {Step{3, "1 -24 18 0 -24"}, Step{1, "2 -32 19 0 -32"}, Step{4, "5 -120 23 0 -120"},
                    Step{1, "6 -160 24 0 -160"}}) {
        misses(st.misses);
        EXPECT_EQ(boxes(), st.boxes);
    }
}

TEST_F(Fibonacci, AFractionalLimitNeverStarts) {
    s.frm2opti().Text1[19].setText("15,5");
    misses(40);
    EXPECT_NE(f.Label2[16].backColor(), forms::colors::Green);
    EXPECT_EQ(boxes(), "0 0 40 0 0");
}
