#include "passes/second/colour_patterns18.h"

#include <gtest/gtest.h>

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
    // red, black (loss), red (loss), red (win), red (win)
    struct Step { int spin; const char* list; const char* stake; const char* cwin; const char* advice; };
    const Step steps[] = {{1, "3", "3", "0", "R"},     {2, "33", "6", "-3", "B"},  {3, "336", "12", "-9", "R"},
                          {5, "36", "9", "3", "R"},    {7, "3", "3", "12", "R"}};
    for (const Step& st : steps) {
        feed(s, {st.spin});
        EXPECT_EQ(box(9), st.list) << st.spin;
        EXPECT_EQ(box(13), st.stake) << st.spin;
        EXPECT_EQ(box(16), st.cwin) << st.spin;
        EXPECT_EQ(box(4), st.advice) << st.spin;
    }
    EXPECT_FALSE(s.st.b_fwin);
    feed(s, {2});
    EXPECT_EQ(p.Text1[4].backColor(), forms::colors::Black);
    EXPECT_EQ(p.Text1[4].foreColor(), forms::colors::White);
}

TEST_F(ColourPatterns, RunsAreMeasuredWhenTheOtherPatternSteps) {
    feed(s, {1, 2, 3, 4});  // red, black, red, black
    EXPECT_EQ(box(14), "4");
    EXPECT_EQ(box(15), "1");
    EXPECT_EQ(box(3), "0");   // three string runs of 1 ended, below the minimum 6
    EXPECT_EQ(box(6), "1");
    EXPECT_EQ(box(12), "3");
    EXPECT_EQ(box(11), "0");

    feed(s, {5, 6});  // red (zig 5), black (zig 6)... then a repeat ends the zig-zag
    feed(s, {8});
    EXPECT_EQ(box(2), "1");
    EXPECT_EQ(box(5), "6");
    EXPECT_EQ(box(14), "1");
    EXPECT_EQ(box(15), "2");

    feed(s, {0, 0});  // two zeros reset both current runs, nothing else
    EXPECT_EQ(box(14), "1");
    EXPECT_EQ(box(15), "1");
    EXPECT_EQ(box(2), "1");
    EXPECT_EQ(box(5), "6");
}

TEST_F(ColourPatterns, ZeroBeforeTheNewestBooksNothingAndAdvisesWhite) {
    feed(s, {1, 0});  // loss on zero: -3
    EXPECT_EQ(box(16), "-3");
    feed(s, {3});
    EXPECT_EQ(box(4), "W");
    EXPECT_EQ(box(16), "-3");
    EXPECT_EQ(box(14), "2");  // zero then red is a zig step
}

TEST_F(ColourPatterns, TextThatIsNoNumberStopsOnlyTheStepThatReadsIt) {
    p.Text1[7].setText("x");
    feed(s, {1});
    EXPECT_EQ(box(9), "");
    EXPECT_EQ(box(4), "");
    p.Text1[10].setText("six");
    feed(s, {2});  // a zig step needs the String minimum: the statistics stand still
    EXPECT_EQ(box(14), "1");
    EXPECT_EQ(box(9), "3");  // the loss still books: the list did not exist, now holds the stake
    EXPECT_EQ(box(16), "-3");
}

TEST(ColourPatternsCore, WinsAfterAWinDropThreeElements) {
    state::Sys18thState st;
    st.l_18thlist = {3, 3, 6, 12, 12};
    st.l_18thbbet = 12;
    st.b_fwin = true;
    Colour18Input in{1, 1, 5, 6, 3, 1};
    auto r = colourPatterns18(st, in);
    EXPECT_TRUE(r.listChanged);
    EXPECT_EQ(st.l_18thlist, (std::vector<int64_t>{12, 12}));
    EXPECT_EQ(st.l_18thbbet, 24);
    EXPECT_EQ(st.l_cwin18, 12);

    st.l_18thlist = {4, 5, 6, 7};
    st.b_fwin = false;
    colourPatterns18(st, in);
    EXPECT_EQ(st.l_18thlist, (std::vector<int64_t>{5, 6, 7}));
    EXPECT_EQ(st.l_18thbbet, 18);
    EXPECT_TRUE(st.b_fwin);

    // A restart needs the base bet: without it the list stands still this spin.
    st.l_18thlist = {5};
    in.baseBet.reset();
    EXPECT_FALSE(colourPatterns18(st, in).listChanged);
    EXPECT_EQ(st.l_18thlist, (std::vector<int64_t>{5}));
}

TEST(ColourPatternsCore, StakesThatWouldOverflowStayAtTheLimit) {
    state::Sys18thState st;
    st.l_18thlist = {INT64_MAX / 2, INT64_MAX / 2, INT64_MAX / 2};
    st.l_18thbbet = INT64_MAX / 2;
    st.l_cwin18 = INT64_MIN / 2 - 5;
    colourPatterns18(st, Colour18Input{2, 1, 5, 6, 3, 2});  // a loss
    EXPECT_EQ(st.l_18thbbet, INT64_MAX);
    EXPECT_EQ(st.l_cwin18, INT64_MIN);
}
