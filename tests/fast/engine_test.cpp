#include "fast/engine.h"

#include <gtest/gtest.h>

#include <vector>

#include "forms/convert.h"
#include "routines/wheel.h"

using namespace fast;

namespace {

// Thirteen spins, newest first, whose skips (oldest first) are the given ones, starting on pair
// `start`; each spin is the first number of its pair.
std::vector<std::string> spinsWithSkips(int start, const std::array<int, 12>& skips) {
    std::vector<std::string> rows{forms::numText(routines::OppositePairs[start - 1][0])};
    int pair = start;
    for (int d : skips) {
        pair = (pair - 1 + d) % 18 + 1;
        rows.insert(rows.begin(), forms::numText(routines::OppositePairs[pair - 1][0]));
    }
    return rows;
}

struct Panel {
    std::vector<std::string> rows;
    std::string skip = "4", initBankrol = "1000", minBet = "1", maxBet = "13", cwin = "0";
    int32_t l_20perc = 0;

    std::optional<EngineResult> run() const {
        EngineInput in;
        for (size_t i = 0; i < in.rows.size(); ++i) in.rows[i] = i < rows.size() ? std::string_view(rows[i]) : "";
        in.skip = skip;
        in.lastSpin = rows.empty() ? std::string_view() : std::string_view(rows.front());
        in.initBankrol = initBankrol;
        in.minBet = minBet;
        in.maxBet = maxBet;
        in.cwin = cwin;
        in.l_20perc = l_20perc;
        in.s_elimnbr1 = "prev1";
        in.s_elimnbr2 = "prev2";
        return fass28(in);
    }
};

const std::array<int, 12> kMixed = {1, 1, 2, 3, 5, 8, 13, 16, 9, 0, 4, 4};
const std::array<int, 12> kAllNine = {9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9};

}  // namespace

TEST(Fass28, CountsSelectsAndEliminates) {
    const auto r = Panel{spinsWithSkips(1, kMixed)}.run();
    ASSERT_TRUE(r);
    EXPECT_EQ(r->seq, "LOW");
    EXPECT_EQ(r->SkipWindow, (std::array<int32_t, 12>{1, 1, 2, 3, 5, 8, 13, 16, 9, 0, 4, 4}));
    EXPECT_EQ(r->counts, (FassCounts{2, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(r->a_lowsearch, (std::array<int64_t, 5>{1, 1, 1, 1, 2}));
    EXPECT_EQ(r->selection, (FassSelection{"|1||8|", 2}));
    EXPECT_EQ(r->bbet, "1");
    EXPECT_EQ(r->l_20perc, 200);
    EXPECT_EQ(r->s_minlosebet, "|1||1|");
    // The last spin is 36 (pair 13): one and eight pairs ahead.
    EXPECT_EQ(r->elimText(), "11,7,19,24");
}

TEST(Fass28, LevelTurnsHighAtNine) {
    Panel p{spinsWithSkips(1, kMixed)};
    for (auto [skip, seq] : {std::pair{"8", "LOW"}, {"9", "HIGH"}, {"8,5", "LOW"}, {"17", "HIGH"}, {"0", "LOW"}}) {
        p.skip = skip;
        EXPECT_EQ(p.run()->seq, seq) << skip;
    }
    p.skip = "9";
    EXPECT_EQ(p.run()->selection.s_string, "|16||13|");
}

TEST(Fass28, RepeatedNumberSelectsEightAndFive) {
    const auto r = Panel{std::vector<std::string>(13, "17"), "0"}.run();
    ASSERT_TRUE(r);
    EXPECT_EQ(r->SkipWindow, (std::array<int32_t, 12>{}));
    EXPECT_EQ(r->selection.s_string, "|8||5|");
    EXPECT_EQ(r->elimText(), "8,12,36,29");  // 17 is on pair 8: pairs 16 and 13
}

TEST(Fass28, StakeRules) {
    struct C { const char* skip; const char* bank; const char* cwin; const char* maxBet; int32_t prev20; std::optional<std::string> bbet; };
    const C cases[] = {
        {"9", "1000", "0", "13", 0, "13"},          // HIGH, a value absent, below a fifth of the bankroll
        {"9", "1000", "199,5", "13", 0, "13"},
        {"9", "1000", "200", "13", 0, std::nullopt},  // at the fifth: keeps its text
        {"9", "1000", "x", "13", 0, std::nullopt},
        {"9", "1000", "0", "abc", 0, std::nullopt},
        {"9", "", "250", "13", 300, "13"},           // no bankroll: the previous fifth stands
        {"9", "x", "0", "13", 0, std::nullopt},
        {"3", "1000", "500", "13", 0, "1"},         // LOW: always the minimum
    };
    for (const auto& c : cases) {
        Panel p{spinsWithSkips(1, kAllNine), c.skip, c.bank, "1", c.maxBet, c.cwin, c.prev20};
        EXPECT_EQ(p.run()->bbet, c.bbet) << c.skip << " " << c.bank << " " << c.cwin << " " << c.maxBet;
    }
    // HIGH with every value present: nothing selected by the zero search, so the minimum.
    Panel p{spinsWithSkips(1, kMixed), "9", "1000", "1,5"};
    EXPECT_EQ(p.run()->bbet, "1,5");
}

TEST(Fass28, DoesNothingWithoutThirteenSpins) {
    Panel p{spinsWithSkips(1, kMixed)};
    p.rows.pop_back();
    EXPECT_FALSE(p.run());
    p = Panel{spinsWithSkips(1, kMixed), ""};
    EXPECT_FALSE(p.run());
    p = Panel{spinsWithSkips(1, kMixed)};
    p.rows[0] = "x";
    EXPECT_FALSE(p.run());
}
