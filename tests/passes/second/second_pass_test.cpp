#include "passes/second/second_pass.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "panels/frm3hgf.h"
#include "passes/second/trend_marking.h"
#include "support/everything_on.h"
#include "support/feed.h"

namespace {

void pickWaves(Session& s, std::mt19937& rng) {
    auto& h = s.frm3hgf();
    std::uniform_int_distribution<int> n(0, 36);
    for (int k = 0; k < 16 && h.WaveBoxes(3).text() == "N"; ++k) h.Text1[n(rng)].click();
}

}  // namespace

TEST(SecondPass, RejectedEntryRunsNoBlock) {
    Session s{1};
    auto& f = s.frm1basic();
    f.Label9.click();
    feed(s, {7});
    for (const char* t : {"37", ""}) {
        f.Text1[0].setText(t);
        f.Command1.click();
    }
    EXPECT_EQ(f.Label10[1].caption(), "1");
    EXPECT_EQ(s.st.i_2nbcnt, 1);
    EXPECT_TRUE(s.isLoaded("frm3hgf")) << "the 17th Waves' gate reads the HGF panel on every spin";
}

TEST(SecondPass, BlocksRunInTheirOrder) {
    Session s{1};
    auto& f = s.frm1basic();
    auto& h = s.frm3hgf();
    f.Check2.setValue(1);
    f.Label9.click();
    for (int i = 0; i < 12; ++i) f.Text11[i].setText("0");
    for (int n : {30, 31, 32, 33}) h.Text1[n].click();
    feed(s, {1, 13, 2, 14, 3, 15, 4, 16, 5});

    // Each block's first write of the spin, with whether the trend mark of this spin stood.
    std::vector<std::pair<int, bool>> seen;
    auto note = [&](forms::Control& c, int block) {
        c.onChange = [&seen, &f, block] {
            if (seen.empty() || seen.back().first != block) seen.emplace_back(block, f.Text10.visible());
        };
    };
    for (int i = 0; i < 4; ++i) note(f.Text4[i], 1);
    for (int i = 0; i < 12; ++i) note(f.Text11[i], 3);
    note(h.Text13[9], 4);
    note(f.Label10[1], 7);
    feed(s, {17});  // completes a window without "H": the trend marks this spin
    const std::vector<std::pair<int, bool>> expected = {{1, false}, {3, true}, {4, true}, {7, true}};
    EXPECT_EQ(seen, expected);
}

TEST(SecondPass, TenThousandRandomSpinsWithEverythingOn) {
    Session s{2024};
    switchEverythingOn(s);
    auto& f = s.frm1basic();
    for (int i = 0; i < 12; ++i) f.Text11[i].setText("0");
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> pocket(0, 36);
    for (int i = 0; i < 10000; ++i) {
        pickWaves(s, rng);
        feed(s, {pocket(rng)});
    }
    EXPECT_EQ(f.Command1.caption(), "Spins: 10000");
    EXPECT_EQ(f.Label10[1].caption(), "4");  // 10000 = 238 rounds of 42, and 4
    EXPECT_EQ(f.Text4[2].text(), forms::numText(s.st.l_bbet1));
    EXPECT_GE(s.st.l_bbet1, 1);
    int64_t counted = 0;
    for (int i = 0; i < 12; ++i) counted += forms::toInt(f.Text11[i].text()).value_or(-1);
    EXPECT_GT(counted, 0);
    EXPECT_LT(counted, 10000 * 3);
}
