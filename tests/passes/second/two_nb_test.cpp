#include "passes/second/two_nb.h"

#include <gtest/gtest.h>

#include "support/feed.h"

TEST(TwoNbCore, CountWrapsAfter41) {
    struct C { int64_t before, count; int stake; };
    for (const C& c : {C{0, 1, 1}, C{17, 18, 2}, C{26, 27, 3}, C{40, 41, 6}, C{41, 0, 1}, C{500, 0, 1}}) {
        const passes::TwoNbStep st = passes::twoNbStep(c.before);
        EXPECT_EQ(st.count, c.count) << c.before;
        EXPECT_EQ(st.stake, c.stake) << c.before;
    }
}

TEST(TwoNb, CountsOnlyWhileSwitchedOn) {
    Session s{1};
    auto& f = s.frm1basic();
    feed(s, {1, 2});
    EXPECT_EQ(f.Label10[1].caption(), "0");
    f.Label9.click();
    feed(s, {3});
    EXPECT_EQ(f.Label10[0].caption() + "/" + f.Label10[1].caption(), "1/1");
    for (int i = 0; i < 17; ++i) feed(s, {5});
    EXPECT_EQ(f.Label10[0].caption() + "/" + f.Label10[1].caption(), "2/18");
    for (int i = 0; i < 24; ++i) feed(s, {5});
    EXPECT_EQ(f.Label10[0].caption() + "/" + f.Label10[1].caption(), "1/0");
    f.Label9.click();  // off: back to zero, then nothing moves
    feed(s, {5, 6});
    EXPECT_EQ(f.Label10[0].caption() + "/" + f.Label10[1].caption(), "0/0");
    EXPECT_EQ(s.st.i_2nbcnt, 0);
}
