#include <gtest/gtest.h>

#include <vector>

#include "support/feed.h"

namespace {

// 5 is "L", 14 "M", 30 "H".
struct Case {
    const char* name;
    std::vector<int> spins;
    const char* advice;  // Text6
    const char* cw2;     // Text9
    double stake;        // l_basebet
};

const Case Cases[] = {
    {"two equal dozens advise the other two", {5, 14, 14}, "L,H 1", "0", 1},
    {"worked order M, M, H books one stake won", {5, 14, 14, 30}, "wait", "1", 1},
    {"the dozen coming a third time loses two stakes", {5, 14, 14, 14}, "wait", "-2", 2},
    {"zero after an advice loses two stakes", {5, 14, 14, 0}, "wait", "-2", 2},
    {"advice after a loss carries the raised stake", {5, 14, 14, 14, 30, 5, 5}, "M,H 2", "-2", 2},
    {"a run of three gives no new advice", {5, 14, 14, 14, 14}, "wait", "-2", 2},
    // Results are booked only against an advice that was shown.
    {"zero after four equal dozens books nothing", {5, 14, 14, 14, 14, 0}, "wait", "-2", 2},
    {"three zeros in a row book nothing", {5, 0, 0, 0}, "wait", "0", 1},
    {"zero as the first spin books nothing", {0}, "", "0", 1},
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class SecondSystem : public ::testing::TestWithParam<Case> {};

}  // namespace

TEST_P(SecondSystem, AdviceStakeAndResult) {
    const Case& c = GetParam();
    Session s{1};
    auto& f = s.frm1basic();
    f.Check1.click();
    for (int n : c.spins) feed(s, {n});
    EXPECT_EQ(f.Text6.text(), c.advice);
    EXPECT_EQ(f.Text9.text(), c.cw2);
    EXPECT_EQ(s.st.l_basebet.value(), c.stake);
    EXPECT_EQ(f.Text7.text(), "5");
}

INSTANTIATE_TEST_SUITE_P(Spins, SecondSystem, ::testing::ValuesIn(Cases));

TEST(SecondSystemGate, UntickedChangesNothingAndTickingResumes) {
    Session s{1};
    auto& f = s.frm1basic();
    f.Text7.setText("");
    feed(s, {5, 14, 14, 14});
    EXPECT_EQ(f.Text6.text(), "");
    EXPECT_EQ(f.Text7.text(), "");
    EXPECT_EQ(s.st.l_cwin2.value(), 0);
    f.Check1.click();
    feed(s, {30, 30});
    EXPECT_EQ(f.Text6.text(), "L,M 1");
}

TEST(SecondSystemGate, BaseBetUnitRaisesTheStakePerLoss) {
    Session s{1};
    auto& f = s.frm1basic();
    f.Check1.click();
    f.Text5.setText("3");
    feed(s, {5, 14, 14, 14});  // the stake was 3, set by the base-bet box
    EXPECT_EQ(f.Text9.text(), "-6");
    EXPECT_EQ(s.st.l_basebet.value(), 6);
    EXPECT_EQ(f.Text7.text(), "15");
}
