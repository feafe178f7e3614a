#include <gtest/gtest.h>

#include <type_traits>

#include "support/feed.h"

// A Long that nothing set is 0, not empty: only variants may start empty.
static_assert(std::is_same_v<decltype(state::Sys2ndState::l_trend), int32_t>);

// The start values that differ from "0 / not set", as the systems find them after start-up.
TEST(StartValues, EverySystemFindsItsGroupReady) {
    Session s{1};
    s.start();
    const auto& st = s.st;
    struct Case { const char* field; double value; double expected; };
    for (auto c : std::initializer_list<Case>{
             {"l_bbet1", double(st.l_bbet1), 1},           {"l_mrbasebet", double(st.l_mrbasebet), 1},
             {"b_exit", double(st.b_exit), 1},             {"l_basebet4", double(st.l_basebet4), 1},
             {"i_bbet", double(st.i_bbet), 1},             {"i_bet16", double(st.i_bet16), 4},
             {"i_bbet17_4", st.i_bbet17_4, 1},             {"i_spincnt17", double(st.i_spincnt17), 1},
             {"i_18zig", double(st.i_18zig), 1},           {"l_18thbbet", double(st.l_18thbbet), 3},
             {"i_bbet21st4", double(st.i_bbet21st4), 1},   {"i_bbet21st2", double(st.i_bbet21st2), 5},
             {"i_cnt221", double(st.i_cnt221), 100},       {"i_bbet2219", double(st.i_bbet2219), 1},
             {"i_cnt226", double(st.i_cnt226), 100},       {"i_cnt2211", double(st.i_cnt2211), 100},
             {"i_cnt2212", double(st.i_cnt2212), 0},       {"i_cnt2217", double(st.i_cnt2217), 100},
             {"i_cnt2218", double(st.i_cnt2218), 100},     {"i_cnt2216", double(st.i_cnt2216), 0},
             {"no83", double(st.no83), -1},                {"i8b", double(st.i8b), 1},
             {"i_bbet304", double(st.i_bbet304), 1},       {"i_bb23", double(st.i_bb23), 1},
             {"i_1nb", double(st.i_1nb), -1},              {"i_2nb", double(st.i_2nb), -1},
             {"i_25nb2", double(st.i_25nb2), -1},          {"i_street252", double(st.i_street252), -1},
             {"i_bbetcolstr27", double(st.i_bbetcolstr27), 1}, {"i_28cnt", double(st.i_28cnt), 1},
             {"i_cnt31st", double(st.i_cnt31st), -1},      {"i_bbet35_3", double(st.i_bbet35_3), 1},
             {"i_bbetEvEdge4", double(st.i_bbetEvEdge4), 1}, {"SectorBb[6]", double(st.SectorBb[6]), 1},
             {"NumberIdentity[37]", double(st.NumberIdentity[37]), 37},
             {"IgBetNumbers[0]", st.IgBetNumbers.at(0), -2},
             {"UniqueNumbers size", double(st.UniqueNumbers.size()), 1},
             {"i_list14 size", double(st.i_list14.size()), 2}}) {
        EXPECT_EQ(c.value, c.expected) << c.field;
    }
    // Not set at start: shows as "" and counts as 0.
    EXPECT_EQ(st.i_cntnon2219.text(), "");
    EXPECT_EQ(st.no63.text(), "");
    EXPECT_EQ(st.l_general_cnt.text(), "");
}
