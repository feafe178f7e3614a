#include "passes/second/colour_patterns18.h"

#include <gtest/gtest.h>

#include <cstring>

#include "forms/amounts.h"
#include "forms/convert.h"
#include "panels/frm5help.h"
#include "support/feed.h"

using namespace passes;

namespace {

struct ColourPatterns : ::testing::Test {
    Session s{1};
    Frm5help& p = s.frm5help();
    std::string box(int i) { return p.Text1[i].text(); }
};

}  // namespace

TEST_F(ColourPatterns, BaseBetThreeRunOfTwoLossesAndTwoWins) {
    struct Step { int spin; const char *list, *stake, *cwin, *advice; };
    for (const Step& st : {Step{1, "3", "3", "0", "R"}, {2, "33", "6", "-3", "B"}, {3, "336", "12", "-9", "R"},
                           {5, "36", "9", "3", "R"}, {7, "3", "3", "12", "R"}}) {
        feed(s, {st.spin});
        EXPECT_EQ(box(9) + " " + box(13) + " " + box(16) + " " + box(4),
                  std::string(st.list) + " " + st.stake + " " + st.cwin + " " + st.advice) << st.spin;
    }
    EXPECT_FALSE(s.st.b_fwin);
}

TEST_F(ColourPatterns, RunsAreMeasuredWhenTheOtherPatternSteps) {
    feed(s, {1, 2, 3, 4, 5, 6});  // a zig-zag of six; string runs of 1 are below their minimum 6
    EXPECT_EQ(box(14) + box(15) + box(3) + box(6) + box(12), "61015");
    feed(s, {8});  // a repeat ends it: counted (minimum 5) and measured
    EXPECT_EQ(box(2) + box(5) + box(14) + box(15), "1612");
    feed(s, {0, 0});  // zeros reset both current runs, nothing else
    EXPECT_EQ(box(2) + box(5) + box(14) + box(15), "1611");
    const std::string cwin = box(16);
    feed(s, {3});  // zero before the newest: a zig step, nothing booked, "W"
    EXPECT_EQ(box(14) + box(16) + box(4), "2" + cwin + "W");
}

TEST_F(ColourPatterns, TextThatIsNoNumberStopsOnlyTheStepThatReadsIt) {
    p.Text1[7].setText("x");
    feed(s, {1});
    EXPECT_EQ(box(9) + box(4), "");
    p.Text1[10].setText("six");
    feed(s, {2});  // the zig step needs the String minimum; the loss still books
    EXPECT_EQ(box(14) + " " + box(9) + " " + box(16), "1 3 -3");
}

TEST(ColourPatternsCore, ListAfterWinsAndAtItsLimits) {
    state::Sys18thState st;
    st.l_18thlist = {3, 3, 6, 12, 12};
    st.b_fwin = true;  // a second win drops three
    const Colour18Input win{1, 1, 5, 6, 3, 1};
    colourPatterns18(st, win);
    EXPECT_EQ(st.l_18thlist, (std::vector<int64_t>{12, 12}));
    EXPECT_EQ(st.l_18thbbet, 24);

    st.l_18thlist = {5};  // a restart without a base bet leaves the list this spin
    Colour18Input noBase = win;
    noBase.baseBet.reset();
    EXPECT_FALSE(colourPatterns18(st, noBase).listChanged);

    st.l_18thlist.assign(3, INT64_MAX / 2);
    st.l_cwin18 = INT64_MIN / 2 - 5;
    st.l_18thbbet = INT64_MAX / 2;
    colourPatterns18(st, Colour18Input{2, 1, 5, 6, 3, 2});  // a loss: sums stay at the 64-bit ends
    EXPECT_EQ(st.l_18thbbet, INT64_MAX);
    EXPECT_EQ(st.l_cwin18, INT64_MIN);
}

TEST(ColourPatternsCore, NegativeBaseBetBooksLossesAsLossesDownToTheLowestAmount) {
    state::Sys18thState st;
    const std::optional<int64_t> base = forms::toInt("-99999");  // typed into the statistics panel
    int colour = 1;
    colourPatterns18(st, Colour18Input{colour, NoSpin, 5, 6, base, colour});
    auto spin = [&](bool win) {
        const int previous = colour;
        if (!win) colour = 3 - colour;
        const int64_t before = st.l_cwin18;
        colourPatterns18(st, Colour18Input{colour, previous, 5, 6, base, colour});
        if (win) EXPECT_GE(st.l_cwin18, before);
        else EXPECT_LE(st.l_cwin18, before);
    };
    // Three losses and a win, over and over, drive the stake sums to the lowest amount; a long
    // losing run then books each loss at that stake's size.
    struct Phase { const char* pattern; int spins; };
    for (const Phase& ph : {Phase{"LLLW", 116}, Phase{"L", 300}}) {
        for (int i = 0; i < ph.spins; ++i) spin(ph.pattern[i % std::strlen(ph.pattern)] == 'W');
        EXPECT_EQ(st.l_18thbbet, forms::AmountMin) << ph.pattern;
    }
    EXPECT_EQ(st.l_cwin18, forms::AmountMin);
}
