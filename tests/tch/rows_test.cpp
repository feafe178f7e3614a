// The row engines on their own (tables of one spin each), and a long random run of the whole
// board with every row armed early.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "forms/amounts.h"
#include "panels/frm7tch.h"
#include "support/feed.h"
#include "tch/alternation_rows.h"
#include "tch/derived_rows.h"
#include "tch/gap_rows.h"
#include "tch/sleeper_rows.h"

using namespace tch;

namespace {

constexpr int Fives = 0, ThreesRow = 9, SectorTwo = 12, SectorOne = 11;

struct SleeperCase {
    const char* what;
    int row;
    SleeperFields before;
    SleeperLimits lim;
    int spin;
    SleeperFields after;
    Paint paint;
};

}  // namespace

TEST(SleeperEngine, OneSpinOnOneRow) {
    const std::optional<int64_t> none;
    for (const auto& c : std::initializer_list<SleeperCase>{
             {"limit raised while betting: back to waiting", Fives, {-8, -8, 1, 3, 1, 5, 5}, {10, none, none}, 25,
              {-8, -8, 1, 3, 1, 0, 5}, Paint::None},
             {"limit lowered while waiting: step 100 stakes 0", ThreesRow, {0, 0, 1, 100, 0, 5, 5}, {3, none, none}, 1,
              {-4, -4, 0, 101, 0, 6, 6}, Paint::None},
             {"past the end of the ladder", Fives, {-900, -900, 50, 38, 50, 60, 60}, {20, none, none}, 1,
              {-1100, -1100, 0, 39, 50, 61, 61}, Paint::None},
             {"limit not read: counts and waits", Fives, {0, 0, 1, 0, 1, 9, 9}, {none, none, none}, 25,
              {0, 0, 1, 0, 1, 0, 9}, Paint::None},
             {"limit 0: the hit arms again", Fives, {-4, -4, 1, 1, 1, 1, 1}, {0, none, none}, 5,
              {28, -4, 1, 1, 1, 0, 1}, Paint::Bet},
             {"sector hit in the wide group", SectorTwo, {0, -20, 2, 5, 2, 10, 10}, {2, 99, 5}, 16,
              {62, -20, 1, 5, 2, 0, 10}, Paint::Idle},
             {"sector row 1 stakes 1 in its wide group", SectorOne, {0, 0, 1, 5, 1, 10, 10}, {2, 99, 5}, 1,
              {-5, -5, 1, 6, 1, 11, 11}, Paint::None},
             {"widening step not read keeps the core", SectorTwo, {0, 0, 1, 120, 1, 10, 10}, {2, 200, none}, 16,
              {-3, -3, 0, 121, 1, 11, 11}, Paint::None},
             {"ladder limit not read keeps the ladder", SectorTwo, {0, 0, 1, 4, 1, 10, 10}, {2, none, 99}, 1,
              {-3, -3, 1, 5, 1, 11, 11}, Paint::None},
             {"core past the ladder limit", SectorOne, {0, 0, 1, 4, 1, 10, 10}, {2, 5, 99}, 1,
              {-2, -2, 1, 5, 1, 11, 11}, Paint::None},
         }) {
        SleeperFields f = c.before;
        EXPECT_EQ(sleeperSpin(sleeperRule(c.row), f, c.spin, c.lim), c.paint) << c.what;
        EXPECT_EQ(f, c.after) << c.what;
    }
}

TEST(DerivedEngine, FirstHgfStakeFollowsTheLoss) {
    struct Case { int64_t cwin; std::optional<double> percent; int64_t bb; };
    // Round(Round(40 * 0.03) / 2) = 0, raised to 1; Round(Round(100 * 0.03) / 2) = 2; no percentage: kept.
    for (auto c : {Case{-39, 0.03, 1}, Case{-99, 0.03, 2}, Case{-99, std::nullopt, 1}}) {
        DerivedFields f;
        f.cwin = c.cwin;
        f.step = 0;
        f.idle = false;
        f.nums = {17, 0, 0, 0};
        derivedSpin(derivedRule(1), f, {5, 36, true, std::nullopt, true, c.percent});
        EXPECT_EQ(f.cwin, c.cwin - 1);
        EXPECT_EQ(f.bb, c.bb) << c.cwin;
        EXPECT_EQ(f.extra, 1);
    }
}

TEST(DerivedEngine, FirstHgfResultStaysAtTheRangeEnds) {
    // A typed percentage of the loss has grown the stake to the largest a 32-bit stake can be.
    struct Case { const char* what; int64_t cwin; int spin; int64_t want, bb; };
    for (auto c : {Case{"miss", forms::AmountMin + 5, 5, forms::AmountMin, INT32_MAX},
                   Case{"hit", forms::AmountMax - 5, 17, forms::AmountMax, 1}}) {
        DerivedFields f;
        f.cwin = f.cwMin = c.cwin;
        f.bb = INT32_MAX;
        f.step = 0;
        f.idle = false;
        f.nums = {17, 0, 0, 0};
        derivedSpin(derivedRule(1), f, {c.spin, 36, true, std::nullopt, true, 99999.0});
        EXPECT_EQ(f.cwin, c.want) << c.what;
        EXPECT_EQ(f.cwMin, std::min(c.cwin, c.want)) << c.what;
        EXPECT_EQ(f.bb, c.bb) << c.what;  // a share beyond 32 bits keeps the stake
    }
}

TEST(DerivedEngine, FourPartnersEndTheirRunOneBetEarly) {
    DerivedFields f;
    DerivedInputs in{1, 8, false, std::array<int64_t, 4>{2, 3, 4, 5}, true, std::nullopt};
    EXPECT_EQ(derivedSpin(derivedRule(2), f, in), Paint::Bet);
    in.green = true;
    in.armReady = false;
    for (int miss = 1; miss <= 6; ++miss) EXPECT_EQ(derivedSpin(derivedRule(2), f, in), Paint::None) << miss;
    EXPECT_EQ(f.step, 6);  // bets left: 2
    EXPECT_EQ(derivedSpin(derivedRule(2), f, in), Paint::Idle);
    EXPECT_TRUE(f.idle);
    EXPECT_EQ(f.cwin, -28);
    EXPECT_EQ(f.cntL, 1);
    EXPECT_EQ(f.extra, 1);
}

TEST(DerivedEngine, IdleRowsNeverBookAndArmAtAnyLimit) {
    for (int64_t limit : {100, 150}) {
        DerivedFields f;
        f.nums = {5, 6, 7, 0};
        f.hasNumbers = true;
        DerivedInputs in{5, limit, false, std::nullopt, true, std::nullopt};
        EXPECT_EQ(derivedSpin(derivedRule(0), f, in), Paint::Bet) << limit;
        EXPECT_EQ(f.cwin, 0) << limit;
        EXPECT_EQ(f.cntW, 0) << limit;
    }
}

TEST(DerivedEngine, FirstListNumber) {
    using V = std::vector<std::string>;
    EXPECT_EQ(firstListNumber(V{"", "17", "3", ""}), 17);
    for (const V& v : {V{}, V{""}, V{"", ""}, V{"", "x"}, V{"", "1-2"}}) EXPECT_EQ(firstListNumber(v), std::nullopt);
}

TEST(AlternationEngine, AnIdleRowBooksNothingWhateverItsLimit) {
    AlternationFields f;
    f.step = 100;
    EXPECT_EQ(alternationSpin(f, {false, true, false, 200}), Paint::None);
    EXPECT_EQ(f.cwin, 0);
    EXPECT_EQ(f.cntL, 0);
    EXPECT_EQ(f.bb, 0);  // the ladder's value beyond its end
    f.step = 100;
    EXPECT_EQ(alternationSpin(f, {false, false, false, 100}), Paint::None);
    EXPECT_EQ(f.cntL, 0);
}

TEST(GapEngine, RunsEndAtTheSharedLimit) {
    struct Case { int row; int64_t limit; int misses; };
    for (auto c : {Case{0, 25, 25}, Case{1, 25, 22}, Case{1, 4, 1}, Case{4, 1, 1}}) {
        GapFields f;
        f.betting = true;
        f.count = f.countMax = 1;
        GapInputs in{0, c.limit, std::nullopt};
        for (int m = 1; m < c.misses; ++m) ASSERT_EQ(gapSpin(gapRule(c.row), f, in), Paint::None) << c.row << " " << m;
        EXPECT_EQ(gapSpin(gapRule(c.row), f, in), Paint::Idle) << c.row << " " << c.limit;
        EXPECT_EQ(f.count, 0);
        EXPECT_EQ(f.countMax, c.misses);
    }
}

// Every row armed early, limits now and then typed as junk, the switch flipped: 10,000 spins,
// after which each row's boxes still agree with themselves and with the totals.
TEST(BoardRun, TenThousandRandomSpinsWithEveryRowArmed) {
    Session s{7};
    auto& w = s.frm7tch();
    std::mt19937 rng(2024);
    std::vector<std::pair<int, const char*>> limits;
    for (int i : tchbox::SleepLimitBoxes) limits.push_back({i, "2"});
    for (const auto& r : tchbox::DerivedRows) limits.push_back({r.limit, "3"});
    for (const auto& r : tchbox::AlternationRows) limits.push_back({r.limit, "3"});
    for (auto [i, t] : std::initializer_list<std::pair<int, const char*>>{
             {tchbox::GapRowLimit, "4"}, {tchbox::SectorSleepLimit, "2"}, {tchbox::SectorLadderLimit, "6"},
             {tchbox::SectorWidenStep, "4"}, {tchbox::SwitchLength, "5"}})
        limits.push_back({i, t});
    for (auto [i, t] : limits) w.Text1[i].edit(t);
    const char* junk[] = {"", "x", "-1", "0", "2,5", "99999999999", "40000", "-"};

    for (int spin = 1; spin <= 10000; ++spin) {
        enter(s, forms::numText(static_cast<int>(rng() % 37)));
        if (spin % 97 == 0) {
            auto [i, t] = limits[rng() % limits.size()];
            w.Text1[i].edit(spin % 2 ? junk[rng() % 8] : t);
        }
        if (spin % 501 == 0) w.Label1[tchbox::SwitchLabel].click();
        if (spin % 1009 == 0) w.Text1[tchbox::GoPairSecond].edit(junk[rng() % 8]);
        if (spin % 2003 == 0) for (auto [i, t] : limits) w.Text1[i].edit(t);
    }

    auto num = [&](int i) { return std::stoll(w.Text1[i].text()); };
    int64_t all = 0, finals = 0;
    for (const auto& r : tchbox::StandardRows) {
        EXPECT_LE(num(r.cwMin), std::min<int64_t>(0, num(r.cwin))) << r.caption;
        EXPECT_GE(num(r.bbMx), num(r.bb)) << r.caption;
        EXPECT_GE(num(r.rounds), num(r.sleep)) << r.caption;
        finals += num(r.cwin);
    }
    all = finals;
    for (const auto& r : tchbox::DerivedRows) {
        EXPECT_LE(num(r.cwMin), std::min<int64_t>(0, num(r.cwin)));
        all += num(r.cwin);
    }
    for (const auto& r : tchbox::AlternationRows) {
        EXPECT_LE(num(r.cwMin), std::min<int64_t>(0, num(r.cwin))) << r.caption;
        all += num(r.cwin);
    }
    for (const auto& r : tchbox::GapRows) EXPECT_LE(num(r.cwMin), std::min<int64_t>(0, num(r.cwin))) << r.caption;
    for (const auto& r : tchbox::SectorRows) EXPECT_LE(num(r.cwMin), std::min<int64_t>(0, num(r.cwin)));
    EXPECT_EQ(w.caption(), "TchAll  " + std::to_string(all) + " 1P " + std::to_string(finals));
    EXPECT_GT(s.st.l_cntw226 + s.st.l_cntl226, 0);  // the rows did bet
    EXPECT_GT(s.st.l_cntw2210 + s.st.l_cntl2210, 0);
}
