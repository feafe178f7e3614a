// 15th system's run statistics on the HGF panel, driven through the entry box.
#include <gtest/gtest.h>

#include "panels/frm3hgf.h"
#include "support/feed.h"

namespace {

// "No/Avg/Mx" of the six groups, separated by spaces.
std::string groups(Session& s) {
    auto& f = s.frm3hgf();
    std::string out;
    for (int k = 0; k < 6; ++k)
        out += (k ? " " : "") + f.Text9[k].text() + "/" + f.Text9[k + 6].text() + "/" + f.Text9[k + 12].text();
    return out;
}

}  // namespace

TEST(Shotwell, RunsAveragesAndLongestRuns) {
    struct C { std::vector<int> spins; const char* groups; };
    for (const auto& c : {
             C{{7}, "1//1 0/0/ 1//1 1//1 1//1 1/0/1"},
             C{{36, 0, 36, 36, 0}, "5//5 5//5 5//5 5//5 5//5 0/1,5/2"},  // zero hits group 6 only
             C{{36, 1, 36, 36, 1}, "0/1,5/2 5//5 5//5 5//5 0/1,5/2 5/0/5"},
             C{{10}, "0/0/ 0/0/ 0/0/ 1//1 1//1 1/0/1"},  // one number, three groups
         }) {
        Session s{1};
        for (int n : c.spins) enter(s, forms::numText(n));
        EXPECT_EQ(groups(s), c.groups);
    }
}
