#include "forms/convert.h"

#include <gtest/gtest.h>

using namespace forms;

TEST(Convert, NumericTest) {
    struct Case { const char* t; bool numeric; };
    for (auto c : std::initializer_list<Case>{{"5", true}, {"-1", true}, {"+5", true}, {"0,382", true},
                                              {"1.5", true}, {",5", true}, {"1,", true}, {"", false},
                                              {"-", false}, {",", false}, {"1,2,3", false}, {"1e3", false},
                                              {" 5", false}, {"5a", false}, {"--1", false}})
        EXPECT_EQ(isNumeric(c.t), c.numeric) << c.t;
}

TEST(Convert, WholeNumberText) {
    for (const char* t : {"5", "05", "-1", "37", "123"}) EXPECT_TRUE(isWholeNumberText(t)) << t;
    for (const char* t : {"", "-", ",5", "+5", "1,", "1.0", " 1"}) EXPECT_FALSE(isWholeNumberText(t)) << t;
}

TEST(Convert, IntegerConversionRoundsHalvesToEven) {
    struct Case { const char* t; int expected; };
    for (auto c : std::initializer_list<Case>{{"2,5", 2}, {"3,5", 4}, {"-0,5", 0}, {"-1,5", -2},
                                              {"2.6", 3}, {"05", 5}, {"-200", -200}})
        EXPECT_EQ(toInt(c.t), c.expected) << c.t;
    EXPECT_FALSE(toInt("abc"));
    EXPECT_FALSE(toInt("99999999999"));  // beyond 32 bits: no value, no crash
    EXPECT_EQ(toInt64("99999999999"), 99999999999LL);
    EXPECT_DOUBLE_EQ(roundTo(2.675, 2), 2.68);
    EXPECT_DOUBLE_EQ(roundTo(0.125, 2), 0.12);
    EXPECT_DOUBLE_EQ(roundTo(1.5, 0), 2.0);
}

TEST(Convert, NumberToText) {
    struct Case { double x; const char* text; };
    for (auto c : std::initializer_list<Case>{{1234 * 0.013, "16,042"}, {100.0 / 3, "33,3333333333333"},
                                              {0.45, "0,45"}, {5, "5"}, {-12, "-12"}, {-0.0, "0"},
                                              {1.5, "1,5"}, {19.5, "19,5"}, {1e15, "1E+15"}})
        EXPECT_EQ(numText(c.x), c.text) << c.x;
    EXPECT_EQ(numText(int64_t{-7}), "-7");
}

TEST(Convert, SplitAndJoin) {
    EXPECT_TRUE(split("", ",").empty());
    EXPECT_EQ(split("a,,b", ","), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(split("1 - 2 - 3", " - "), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(join({"0", "5", "31", "1"}, ";"), "0;5;31;1");
}

// The in-place split gives the same items however long the list it reuses was.
TEST(Convert, SplitIntoReusesAListAndGivesTheSameItems) {
    std::vector<std::string> out(20, "old");
    for (auto [t, d] : std::initializer_list<std::pair<const char*, const char*>>{
             {" - 5 - 12 - ", " - "}, {"  0,5  12,3", "  "}, {"   ", "  "}, {"", ","}, {"a,,b,", ","}, {"abc", ""}}) {
        splitInto(t, d, out);
        EXPECT_EQ(out, split(t, d)) << "[" << t << "]";
    }
    EXPECT_EQ(split("   ", "  "), (std::vector<std::string>{"", " "}));
}

TEST(Convert, VarShowsEmptyUntilSet) {
    Var v;
    EXPECT_EQ(v.text(), "");
    EXPECT_EQ(v.value(), 0);
    v += 1;
    EXPECT_EQ(v.text(), "1");
    v = 2.5;
    EXPECT_EQ(v.text(), "2,5");
}

// Typed limits and counts read in place must read as the general conversion reads them, and
// every other text must be refused.
TEST(Convert, WholeNumbersReadInPlace) {
    for (const char* t : {"0", "5", "05", "36", "-1", "-0", "007", "123456789012345678", "-99"})
        EXPECT_EQ(forms::wholeNumberValue(t), forms::toInt64(t)) << t;
    for (const char* t : {"", "-", "+5", "3,0", "2.5", "x", "1x", " 5", "1234567890123456789"})
        EXPECT_FALSE(forms::wholeNumberValue(t)) << t;
}
