#include "passes/second/neuron23.h"

#include <gtest/gtest.h>

#include "panels/frm6fast.h"
#include "support/feed.h"

using namespace passes;

TEST(NeuronNet, ElevenThreeTimesWinsOnTheSecondRepeat) {
    Session s{1};
    auto& box = s.frm6fast().Text4;
    auto shown = [&box](std::initializer_list<int> ids) {
        std::string out;
        for (int i : ids) out += box[i].text() + " ";
        return out;
    };
    feed(s, {11, 11});  // 1111 counted once; its account has not booked (still empty)
    EXPECT_EQ(shown({50, 56}), "1  ");
    feed(s, {11});  // count 2, +36; total 36, stake 1
    EXPECT_EQ(shown({50, 56, 60, 61}), "2 36 36 1 ");
    feed(s, {5, 11});  // a double after a non-double costs the counted pair one stake
    EXPECT_EQ(shown({56, 53}), "35  ");
    feed(s, {22, 11});  // 22 after 11 and 11 after 22 move the same pair
    EXPECT_EQ(shown({52}), "2 ");
}

TEST(NeuronNet, StakeFromTheTotalLossNeverBelowOne) {
    for (auto [total, stake] : {std::pair{-20, 1}, {-100, 3}, {-10, 1}, {0, 1}, {250, 1}, {-150, 4}}) {
        Neuron23Totals t;
        neuron23Stake(t, total, 0.03);
        EXPECT_EQ(t.bb, stake) << total;
    }
    Neuron23Totals t{0, -50, 7, 7};
    neuron23Stake(t, -60, std::nullopt);  // the share is not a number: the stake stays
    EXPECT_EQ(t.bb, 7);
    neuron23Stake(t, -400, 0.03);
    EXPECT_EQ(std::vector<int64_t>({t.bb, t.maxBb, t.minTotal}), (std::vector<int64_t>{12, 12, -400}));
}
