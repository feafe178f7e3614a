#include <gtest/gtest.h>

#include "fast/neuron23.h"
#include "forms/amounts.h"
#include "fast/twins.h"
#include "panels/frm6fast.h"
#include "settings/frm2opti.h"
#include "routines/state_value.h"
#include "shell/session.h"

using namespace fast;

TEST(TwinsStake, LaddersAndTheirEnds) {
    struct C { int64_t step, prog; TwinsStake t; };
    for (auto c : {C{0, 0, {1, false}}, C{17, 0, {1, false}}, C{18, 0, {2, false}}, C{36, 0, {4, false}},
                   C{37, 0, {1, true}}, C{-1, 0, {1, true}}, C{70, 1, {6, false}}, C{71, 1, {1, true}},
                   C{22, 2, {2, false}}, C{23, 2, {1, true}}, C{5, 3, {0, false}}, C{99, -1, {0, false}}})
        EXPECT_EQ(twinsStake(c.step, c.prog), c.t) << c.step << " prog " << c.prog;
    // The tooltip's costs: stakes over steps 1 to the last one.
    for (auto [prog, last, cost] : {std::tuple{0, 36, 69}, {1, 70, 190}, {2, 22, 30}}) {
        int sum = 0;
        for (int step = 1; step <= last; ++step) sum += twinsStake(step, prog).stake;
        EXPECT_EQ(sum, cost) << "prog " << prog;
    }
}

TEST(TwinsStake, TailStreetsAndHalves) {
    for (auto [step, stake] : {std::pair{10, 1}, {11, 2}, {20, 2}, {21, 0}, {-1, 0}, {0, 1}})
        EXPECT_EQ(f_bbet25_4(step), stake) << step;
    for (auto [n, street] : {std::pair{0, "-1,-1,-1"}, {10, "10,11,12"}, {9, "7,8,9"}, {36, "34,35,36"}, {40, "34,35,36"}})
        EXPECT_EQ(street_nbr25(n), street) << n;
    for (auto [t, half] : {std::pair{"0", 0}, {"18", 1}, {"19", 2}, {"36", 2}, {"37", 0}, {"-3", 0}, {"", 0}, {"x", 0}})
        EXPECT_EQ(hl_check(t), half) << t;
}

TEST(TwinsStake, EndPathsOnThePanel) {
    Session s{1};
    Frm6fast& f = s.frm6fast();
    auto mode = [&s](const char* m) { s.frm2opti().Text1[36].setText(m); };
    auto seedTwin = [&f] { return f.Text4[72].text() + "/" + f.Text4[73].text(); };

    mode("4");
    s.st.i_25cntplay = 36;
    f.Text4[72].setText("7");
    f.Text4[73].setText("28");
    f.Text4[76].setText("5");
    EXPECT_EQ(f_bbet25(s, 36, 0), 4);
    EXPECT_EQ(f_bbet25(s, 37, 0), 1);
    EXPECT_EQ(s.st.i_25cntplay, -1);
    EXPECT_EQ(s.st.i_25wrsess, 1);
    EXPECT_EQ(seedTwin(), "-1/-1");
    EXPECT_EQ(f.Text4[76].text(), "0");
    for (auto* c : {&f.Text4[76], &f.Text4[74], &f.Label4[53], &f.Label4[56], &f.Label4[58], &f.Text4[72]})
        EXPECT_EQ(c->foreColor(), forms::colors::White) << c->name() << c->index();

    EXPECT_EQ(f_bbet25(s, -1, 0), 1);  // already idle: not counted again
    EXPECT_EQ(s.st.i_25wrsess, 1);

    mode("3");
    f.Text4[72].setText("7");
    s.st.i_25cntplay = 30;
    EXPECT_EQ(f_bbet25(s, 71, 1), 1);  // progression 1 keeps the numbers; mode 3 counts only for 2
    EXPECT_EQ(seedTwin(), "7/-1");
    s.st.i_25cntplay = 30;
    f_bbet25(s, 23, 2);
    EXPECT_EQ(s.st.i_25wrsess, 2);
    EXPECT_EQ(f_bbet25(s, 5, 3), 0);

    mode("5");
    s.st.i_25cntplay2 = 9;
    f.Text4[77].setText("31");
    EXPECT_EQ(f_bbet252(s, 23, 2), 1);
    EXPECT_EQ(s.st.i_25cntplay2, -1);
    EXPECT_EQ(s.st.i_25wrsess, 2);
    EXPECT_EQ(f.Text4[77].text(), "-1");
    EXPECT_EQ(f.Label4[63].foreColor(), forms::colors::White);
}

TEST(Sign23rd, DoublesAfterDoubles) {
    NeuronAccounts a = sign23rd({}, 11, 33, 1);
    EXPECT_EQ(a.a3311, (NeuronAccount{1, 0}));
    a = sign23rd(a, 33, 11, 1);  // the same account from either side
    EXPECT_EQ(a.a3311, (NeuronAccount{2, 36}));

    NeuronAccounts b;
    b.a2222.count = 2;
    b.a3322.count = b.a2211.count = 5;
    const NeuronAccounts b2 = sign23rd(b, 22, 22, 1);
    EXPECT_EQ(b2.a2222, (NeuronAccount{3, 36}));
    EXPECT_EQ(b2.a3322, b.a3322);
    EXPECT_EQ(b2.a2211, b.a2211);

    NeuronAccounts c;
    c.a1111.count = 1;
    c.a2211.count = 4;
    const NeuronAccounts c2 = sign23rd(c, 11, 5, 2);
    EXPECT_EQ(c2.a1111.result, -2);
    EXPECT_EQ(c2.a2211.result, -2);
    EXPECT_EQ(c2.a3311, NeuronAccount{});

    EXPECT_EQ(sign23rd(c, 5, 11, 2), c);
    EXPECT_EQ(sign23rd(c, 0, 0, 2), c);
}

TEST(Sign23rd, AccountsAtTheEndsOfTheRangeStayThere) {
    Session s{1};
    s.st.i_bb23 = 1'000'000'000'000;  // the stake a share typed in the thousands reaches
    s.st.i_3311 = s.st.i_1111 = 1;
    s.st.i_cw3311 = forms::AmountMax;
    s.st.i_cw1111 = forms::AmountMin;
    sign23rd(s, 11, 33);  // 3311 wins again
    EXPECT_EQ(routines::asInt(s.st.i_cw3311), forms::AmountMax);
    sign23rd(s, 11, 5);  // 1111 loses again
    EXPECT_EQ(routines::asInt(s.st.i_cw1111), forms::AmountMin);
}

TEST(Sign23rd, OnTheSession) {
    Session s{1};
    s.st.i_bb23 = 3;
    sign23rd(s, 11, 33);
    sign23rd(s, 33, 11);
    EXPECT_EQ(s.st.i_3311, 2);
    EXPECT_EQ(s.st.i_cw3311.value(), 108);
    EXPECT_TRUE(s.st.i_cw2222.empty() || s.st.i_cw2222.value() == 0);
}
