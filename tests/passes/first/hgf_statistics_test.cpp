#include "passes/first/hgf_statistics.h"

#include <gtest/gtest.h>

#include <numeric>
#include <random>
#include <set>

#include "panels/frm3hgf.h"
#include "settings/frm2opti.h"
#include "settings/settings.h"
#include "support/feed.h"

namespace hgf = passes::hgf;
namespace colors = forms::colors;
using Pause = hgf::ProgressionOut::Pause;

namespace {

constexpr forms::Color Alarm = 0xC0;

struct HgfPanel : ::testing::Test {
    Session s{7};
    Frm3hgf& f = s.frm3hgf();
    void option(settings::Box b, const char* text) { s.frm2opti().Text1[static_cast<int>(b)].setText(text); }
    const std::string& box4(int i) { return f.Text4[i].text(); }
};

state::HgfState listedZeroToEleven() {
    state::HgfState st;
    for (int i = 0; i < 12; ++i) st.HgfTwelveNumbers[static_cast<size_t>(i)] = i;
    st.b_hgflistshown = true;
    return st;
}

// One spin of the progression as the panel runs it, with "Basebet % from lost" at 0,03.
hgf::ProgressionOut settle(state::HgfState& st, int n, std::optional<int32_t> balance, int32_t stop = 2) {
    const auto out = hgf::settleProgression(st, {n, balance, stop});
    if (out.restake) hgf::restake(st, 0.03);
    return out;
}

}  // namespace

// The exact rounding must give what Round(h / c * g, 2) gives, halves to even included.
TEST(HgfRounding, HundredthsAgreeWithTheRuntimesRound) {
    for (int32_t c = 1; c <= 150; ++c)
        for (int64_t h = 0; h <= c; h += 3)
            for (int64_t g = 0; g <= 120; g += 7)
                ASSERT_EQ(hgf::hundredths(h * g, c), std::llround(forms::roundTo(double(h) / c * double(g), 2) * 100));
    for (int32_t c : {7, 8, 40, 4000, 1 << 20}) {
        const hgf::Hundredths perSpin(c);
        for (int64_t num = 0; num < 20000; ++num) ASSERT_EQ(perSpin(num), hgf::hundredths(num, c)) << num << "/" << c;
    }
    EXPECT_EQ(hgf::hundredths(5, 8), 62) << "0,625 is a half: to even";
    EXPECT_EQ(hgf::hundredths(3, 8), 38);
    const std::string& rare = hgf::hundredthsText(10000000);
    EXPECT_EQ(hgf::hundredthsText(7000001), "70000,01");
    EXPECT_EQ(rare, "100000") << "a text stays put while others are made";
}

TEST_F(HgfPanel, FirstSpinGivesAllZeroValuesAndTheListZeroToEleven) {
    feed(s, {5});
    for (int k = 0; k <= 36; ++k) EXPECT_EQ(f.HgfValues(k).text(), "0") << k;
    EXPECT_EQ(f.HitCounts(5).text(), "1");
    EXPECT_EQ(f.Text3[4].text(), " - 0 - 1 - 2 - 3 - 4 - 5 - 6 - 7 - 8 - 9 - 10 - 11 - ");
    EXPECT_EQ(f.Text3[5].text(), "0");
    EXPECT_EQ(f.Text3[3].text(), "  0  0  0  0  0  0  0  0  0  0  0  0  0");
    EXPECT_EQ(f.Text3[7].text(), "  0,03  0,03  0,03  0,03  0,03  0  0,03  0,03  0,03  0,03  0,03  0,03");
    EXPECT_EQ(box4(7), "0") << "the first spin is not settled against a list of zeros";
    EXPECT_EQ(box4(8), "1");
}

// Ranked by value: "12,3" above "9,5"; equal values in ascending order of number, each once.
TEST(HgfList, RanksByValueAndListsTiesByNumber) {
    state::HgfState st;
    st.HgfValueHundredths[3] = 950;
    st.HgfValueHundredths[20] = 1230;
    for (int k : {30, 8, 15}) st.HgfValueHundredths[static_cast<size_t>(k)] = 50;
    hgf::rankValues(st);
    const auto list = hgf::buildList(st);
    EXPECT_EQ(list.thirteenth, 0) << "the thirteenth may repeat one of the twelve";
    hgf::ListTexts texts;
    hgf::listTexts(st, list, texts);
    EXPECT_EQ(texts[hgf::NumberList].text, " - 20 - 3 - 8 - 15 - 30 - 0 - 1 - 2 - 4 - 5 - 6 - 7 - ");
    EXPECT_EQ(texts[hgf::SortedList].text.substr(0, 20), "  12,3  9,5  0,5  0,");
    for (const auto& [sep, w] : {std::pair{" - ", texts[hgf::NumberList]}, std::pair{"  ", texts[hgf::SortedList]},
                                 std::pair{"  ", texts[hgf::RatioList]}})
        EXPECT_EQ(w.items, forms::split(w.text, sep)) << "the split made with the text is the text's split";
}

TEST_F(HgfPanel, AValueEqualToTheSettingIsMarked) {
    option(settings::Box::HgfRatioMin, "1");
    feed(s, {5, 5, 1, 2});  // 5: 2 hits / 4 spins * gap 2 = 1
    EXPECT_EQ(f.HgfValues(5).backColor(), colors::Green);
    EXPECT_EQ(f.HgfValues(1).backColor(), 0x8000000Eu);
    for (int box : {1, 4, 6}) EXPECT_EQ(f.Text4[box].backColor(), Alarm) << "betting system 2 paints the steps";
    // The 19th system of the second pass paints every hit count by the average after this pass.
    EXPECT_EQ(f.HitCounts(5).backColor(), 0x80FFu);
}

// Each reads "HGF Ratio >= " its own way: a whole number for the HGF values, a decimal for the
// six lines.
TEST_F(HgfPanel, TheRatioSettingIsAWholeNumberForTheHgfValues) {
    option(settings::Box::HgfRatioMin, "0,6");
    feed(s, {5, 5, 1, 2, 3, 4, 6, 8});  // 1: 1 / 8 * 5 = 0,625, a half: 0,62
    EXPECT_EQ(f.HgfValues(1).text(), "0,62");
    EXPECT_NE(f.HgfValues(1).backColor(), colors::Green);
    EXPECT_EQ(f.Text5[0].backColor(), colors::Green) << "the six line 1-6 figure is above 0,6";
}

TEST_F(HgfPanel, SubProgressionsRunTheirSchedulesToQt) {
    for (int k = 0; k < 3; ++k) {
        int total = 0;
        for (int c = 1; c <= 100; ++c) total += hgf::subStake(k, c);
        EXPECT_EQ(total, (std::array{96, 203, 250})[static_cast<size_t>(k)]);
    }
    f.Check1[0].setValue(1);
    std::string steps;
    for (int i = 1; i <= 55; ++i) {
        feed(s, {i % 37});
        if (i == 24 || i == 25 || i == 42 || i == 43 || i == 54 || i == 55) steps += box4(1) + " ";
    }
    EXPECT_EQ(steps, "1 2 2 3 3 QT ");
    EXPECT_EQ(box4(0), "55");
    EXPECT_EQ(box4(2), "-96");
}

TEST_F(HgfPanel, SwitchingSchedulesOffKeepsOrClearsTheCommonBalance) {
    f.Check1[0].setValue(1);
    f.Check1[2].setValue(1);
    feed(s, {1, 2});
    EXPECT_EQ(box4(2), "-6");  // 1 + 2 per spin
    f.Check1[2].setValue(0);
    feed(s, {3});
    EXPECT_EQ(box4(2), "-7") << "one schedule off while another runs: the balance stays";
    EXPECT_EQ(box4(5) + box4(6), "02");
    f.Text4[2].setText("abc");  // not a number: the schedule counts, the balance is left alone
    feed(s, {4});
    EXPECT_EQ(box4(0) + box4(2), "4abc");
    f.Check1[0].setValue(0);
    feed(s, {5});
    EXPECT_EQ(box4(2), "0");
}

TEST(HgfProgression, SecondLossPausesUntilOneOfTheTwelveComes) {
    auto st = listedZeroToEleven();
    auto out = settle(st, 20, 0);
    EXPECT_EQ(*out.balance, -12);
    EXPECT_EQ(st.l_basebethgf12, 1);  // Round(0,36) = 0 -> 1
    EXPECT_EQ(*settle(st, 3, -12).balance, 12) << "a hit adds 24 stakes and keeps the loss count";
    out = settle(st, 30, 12);
    EXPECT_EQ(out.pause, Pause::Show) << "the second loss since the start";
    EXPECT_FALSE(settle(st, 31, 0).balance) << "paused: nothing booked";
    out = settle(st, 5, 0);
    EXPECT_FALSE(out.balance);
    EXPECT_EQ(out.pause, Pause::Clear);
    EXPECT_EQ(*settle(st, 32, 0).balance, -12) << "betting again from the next spin";
}

TEST(HgfProgression, StakeIsTheRoundedShareOfTheLoss) {
    struct Case { int32_t balance; int32_t stake; };
    for (auto [balance, stake] : {Case{2, 1}, Case{-10, 1}, Case{-50, 2}, Case{-150, 4}, Case{-2000, 60}}) {
        auto st = listedZeroToEleven();
        settle(st, 36, balance + 12, 9);  // a miss at stake 1 leaves `balance`
        EXPECT_EQ(st.l_basebethgf12, stake) << balance;
    }
    auto st = listedZeroToEleven();
    settle(st, 36, -38, 9);
    settle(st, 7, 100, 9);  // back above 0: stake 1, the extremes stay
    EXPECT_EQ(st.l_basebethgf12, 1);
    EXPECT_EQ(st.l_max_basebethgf12, 2);
    EXPECT_EQ(st.l_min_bal, -50);
}

TEST(HgfProgression, PauseRulesAndUnreadableBoxes) {
    auto st = listedZeroToEleven();
    settle(st, 20, 0, 5);
    settle(st, 20, -12, 5);
    EXPECT_FALSE(settle(st, 20, -24, 1).balance) << "the setting lowered below the count pauses";
    auto zero = listedZeroToEleven();
    for (int n : {3, 20, 4}) EXPECT_FALSE(settle(zero, n, 0, 0).balance) << "StopAfterLoss 0 stays paused";
    state::HgfState fresh;
    EXPECT_FALSE(settle(fresh, 0, 0).balance) << "no list shown yet";
    auto odd = listedZeroToEleven();
    EXPECT_FALSE(settle(odd, 20, std::nullopt).balance) << "balance box not a number";
    EXPECT_EQ(fresh.l_play + odd.l_play, 0);
}

// Nothing a long run or a wild setting does may wrap a counter or a 32-bit result.
TEST(HgfProgression, StakesBalancesAndCountersStayInRange) {
    auto st = listedZeroToEleven();
    ASSERT_TRUE(hgf::settleProgression(st, {20, -2'000'000'000, 9}).restake);
    hgf::restake(st, 99999.0);
    EXPECT_EQ(st.l_basebethgf12, INT32_MAX);
    EXPECT_EQ(*hgf::settleProgression(st, {21, INT32_MIN + 5, 9}).balance, INT32_MIN);
    EXPECT_EQ(*hgf::settleProgression(st, {3, 2'000'000'000, 9}).balance, INT32_MAX);
    state::HgfState counts;
    counts.HgfGapCount.fill(INT32_MAX);
    counts.HgfHitCount[5] = INT32_MAX;
    hgf::countSpin(counts, 6, INT32_MAX);
    EXPECT_EQ(counts.HgfGapCount[5], INT32_MAX);
    EXPECT_EQ(counts.HgfValueHundredths[5], 100 * int64_t{INT32_MAX});
}

TEST_F(HgfPanel, ProgressionShowsWOnTheSecondLosingSpin) {
    feed(s, {0});  // the list is 0..11 from here
    f.Text4[7].setText("x");
    feed(s, {20});
    EXPECT_EQ(box4(7), "x") << "not a number: nothing booked";
    f.Text4[7].setText("0");
    feed(s, {20, 21});
    EXPECT_EQ(box4(7) + f.Text3[6].text(), "-24W");
    EXPECT_EQ(box4(8) + box4(11), "1-24");  // Round(0,72) = 1
    f.Text4[7].setText("-500");
    feed(s, {22});
    EXPECT_EQ(box4(7), "-500") << "paused: the typed balance waits";
}

TEST_F(HgfPanel, ListsOfThePreviousSpinAreSplitForTheLaterPasses) {
    feed(s, {5, 7});
    EXPECT_TRUE(s.st.HgfListItems.items.empty()) << "fewer than three spins";
    s.frm2opti().Check2[static_cast<int>(settings::Switch::HgfActive)].setValue(0);
    const std::string frozen = f.Text3[4].text();
    feed(s, {11});
    EXPECT_EQ(s.st.HgfListItems.items, forms::split(frozen, " - ")) << "copied with the HGF block off";
    f.Text3[4].setText(" - 7 - ");
    feed(s, {13});
    EXPECT_EQ(s.st.HgfListItems.items, (std::vector<std::string>{"", "7", ""})) << "the panel's text is what counts";
    // A cleared history (as Reset leaves it) empties the lists until three spins are known again.
    for (int i = 1; i <= 28; ++i) s.frm1basic().Text1[i].setText("");
    feed(s, {12});
    EXPECT_TRUE(s.st.HgfListItems.items.empty() && s.st.HgfSortedItems.items.empty() && s.st.HgfRatioItems.items.empty());
}

// A long random run with every switch of the panel on: what the later passes and the player
// rely on holds on every spin.
TEST_F(HgfPanel, RandomRunKeepsTheListsSound) {
    for (int k = 0; k < 3; ++k) f.Check1[k].setValue(1);
    f.Label4[2].click();
    option(settings::Box::HgfRatioMin, "1");
    std::mt19937 rng(2024);
    std::uniform_int_distribution<int> wheel(0, 36);
    std::array<std::string, 3> prev;
    int64_t stakes = 0;
    for (int spin = 1; spin <= 400; ++spin) {
        if (spin == 200) f.Check1[1].setValue(0);
        feed(s, {wheel(rng)});
        const auto& st = s.st;
        ASSERT_EQ(std::accumulate(st.HgfHitCount.begin(), st.HgfHitCount.end(), 0), spin);
        ASSERT_EQ(std::accumulate(st.SixLineHitCount.begin(), st.SixLineHitCount.end(), 0), spin);
        for (int k = 0; k <= 36; ++k) {
            const double want = forms::roundTo(double(st.HgfHitCount[size_t(k)]) / spin * st.HgfGapCount[size_t(k)], 2);
            ASSERT_EQ(f.HgfValues(k).text(), forms::numText(want)) << "spin " << spin << " number " << k;
        }
        const auto items = forms::split(f.Text3[4].text(), " - ");
        const auto sorted = forms::split(f.Text3[3].text(), "  ");
        ASSERT_EQ(items.size(), 14u);
        ASSERT_EQ(sorted.size(), 14u);
        ASSERT_EQ(items.front() + items.back() + sorted.front(), "");
        ASSERT_EQ(std::set<std::string>(items.begin() + 1, items.end() - 1).size(), 12u) << f.Text3[4].text();
        for (int m = 1; m <= 12; ++m) ASSERT_EQ(f.HgfValues(forms::toInt(items[size_t(m)]).value()).text(), sorted[size_t(m)]);
        ASSERT_EQ(f.HgfValues(forms::toInt(f.Text3[5].text()).value()).text(), sorted[13]);
        if (spin >= 3) {
            ASSERT_EQ(st.HgfListItems.items, forms::split(prev[0], " - "));
            ASSERT_EQ(st.HgfSortedItems.items, forms::split(prev[1], "  "));
            ASSERT_EQ(st.HgfRatioItems.items, forms::split(prev[2], "  "));
        }
        prev = {f.Text3[4].text(), f.Text3[3].text(), f.Text3[7].text()};
        ASSERT_TRUE(forms::toInt(box4(7)).has_value());
        ASSERT_LE(st.l_play, 2);
        for (int k = 0; k < 3; ++k)
            if (f.Check1[k].value() == 1) stakes += hgf::subStake(k, forms::toInt(box4((std::array{0, 3, 5})[size_t(k)])).value());
        ASSERT_EQ(box4(2), forms::numText(-stakes));
        std::set<int32_t> unique(st.UniqueNumbers.begin() + 1, st.UniqueNumbers.end());
        ASSERT_EQ(unique.size(), st.UniqueNumbers.size() - 1);
        ASSERT_LE(unique.size(), 12u);
    }
}
