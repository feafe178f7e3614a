#include "passes/second/fifth_system.h"

#include <gtest/gtest.h>

#include "settings/frm2opti.h"
#include "support/feed.h"

using namespace passes;

TEST(FifthCore, CountsAndSignal) {
    EXPECT_EQ(countedUp("0"), "1");
    EXPECT_EQ(countedUp("41"), "42");
    EXPECT_EQ(countedUp("x"), std::nullopt);
    EXPECT_EQ(countedUp(""), std::nullopt);
    EXPECT_EQ(countedUp("2147483647"), std::nullopt);

    struct C { const char* noRepeat; const char* repeat; const char* target; FifthSignal signal; };
    const C cases[] = {
        {"3", "0", "3", FifthSignal::Green},  {"03", "0", "3", FifthSignal::None},
        {"3", "1", "3", FifthSignal::Black},  {"2", "0", "3", FifthSignal::None},
        {"4", "2", "3", FifthSignal::Black},  {"3", "abc", "3", FifthSignal::None},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fifthSignal(c.noRepeat, c.repeat, c.target), c.signal) << c.noRepeat << "/" << c.repeat;
}

struct FifthSystem : ::testing::Test {
    Session s{1};
    Frm1basic& f = s.frm1basic();
    void SetUp() override {
        for (int i = 0; i < 12; ++i) f.Text11[i].setText("0");
    }
    // The twelve counts in box order.
    std::string counts() {
        std::string out;
        for (int i = 0; i < 12; ++i) {
            if (i) out += ' ';
            out += f.Text11[i].text();
        }
        return out;
    }
};

// Box order: black, black rep, red, red rep, low rep, low, high rep, high, even rep, even, odd rep, odd.
TEST_F(FifthSystem, RowsThreeTwoOneDecideTheEvent) {
    feed(s, {1});
    EXPECT_EQ(counts(), "0 0 0 0 0 0 0 0 0 0 0 0") << "the first spin counts nothing";
    feed(s, {2});  // red, black: red came once; low twice; odd once
    EXPECT_EQ(counts(), "0 0 1 0 1 0 0 0 0 0 0 1");
    feed(s, {3});  // red, black, red: black once; low three times counts nothing
    EXPECT_EQ(counts(), "1 0 1 0 1 0 0 0 0 1 0 1");
}

TEST_F(FifthSystem, RepeatAfterAnotherColour) {
    feed(s, {8, 9, 12});  // black, red, red
    EXPECT_EQ(f.Text11[3].text(), "1");
    feed(s, {14});  // red, red, red: nothing more for red
    EXPECT_EQ(f.Text11[3].text(), "1");
    EXPECT_EQ(f.Text11[2].text(), "0");
}

TEST_F(FifthSystem, ZeroCountsTheChanceBeforeIt) {
    feed(s, {20, 0});  // black, high, even came once
    EXPECT_EQ(counts(), "1 0 0 0 0 0 0 1 0 1 0 0");
}

TEST_F(FifthSystem, ThirdNoRepeatSignalsTheProgression) {
    feed(s, {1, 2, 3, 4, 5});
    EXPECT_EQ(f.Text12.text(), "wait");
    feed(s, {6});
    EXPECT_EQ(f.Text11[2].text(), "3");
    EXPECT_EQ(f.Text11[2].backColor(), forms::colors::Green);
    EXPECT_EQ(f.Text11[11].backColor(), forms::colors::Green);
    EXPECT_EQ(f.Text11[5].backColor(), forms::colors::Black) << "low repeated";
    EXPECT_EQ(f.Text12.text(), "1,2,4,8,16,32,64");
}

TEST_F(FifthSystem, EvenChanceReadsTheChoiceTheOtherWay) {
    s.frm2opti().Check1[1].setValue(1);  // both lists ticked
    feed(s, {1, 2, 3, 4, 5, 6});
    EXPECT_EQ(f.Text12.text(), "1,3,9,19,40,80") << "red and odd take list 2";
    feed(s, {7});
    EXPECT_EQ(f.Text11[9].backColor(), forms::colors::Green);
    EXPECT_EQ(f.Text12.text(), "1,2,4,8,16,32,64") << "even takes list 1";
}

TEST_F(FifthSystem, TypedTextInACountBoxSkipsOnlyThatBox) {
    f.Text11[2].setText("many");
    feed(s, {1, 2});
    EXPECT_EQ(f.Text11[2].text(), "many");
    EXPECT_EQ(f.Text11[11].text(), "1");
}
