// Every window as built: what is shown lies inside the window without overlapping anything else,
// the window fits a 1920x1080 screen, and the boxes the passes and the panels' actions reach are
// there. (Whether the captions fit their controls is the view's test.)
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/session.h"

namespace {

std::string where(const forms::Control& c) {
    std::string w = c.form().name() + "." + c.name();
    return c.index() < 0 ? w : w + "(" + std::to_string(c.index()) + ")";
}

bool apart(const forms::Geometry& a, const forms::Geometry& b) {
    return a.left + a.width <= b.left || b.left + b.width <= a.left || a.top + a.height <= b.top ||
           b.top + b.height <= a.top;
}

TEST(Windows, ShownControlsLieInsideTheirWindowWithoutOverlaps) {
    Session s{1};
    for (const char* name : {"frm1basic", "frm2opti", "frm3hgf", "frm4about", "frm5help", "frm6fast", "frm7tch",
                             "frm8edge"}) {
        const forms::Form& f = s.form(name);
        const auto& w = f.geometry();
        EXPECT_LE(w.width, 1920) << name;
        EXPECT_LE(w.height, 1080 - 60) << name;  // title bar and task bar
        std::vector<const forms::Control*> shown;
        for (const forms::Control* c : f.controls()) {
            if (!c->visible() || c->kind() == forms::Kind::MenuItem || c->kind() == forms::Kind::Timer) continue;
            const auto& g = c->geometry();
            EXPECT_TRUE(g.width > 0 && g.height >= 14) << where(*c) << " has no room";
            // Wholly outside is how a few old legend lines are kept out of sight; partly is a fault.
            EXPECT_TRUE(apart(g, {0, 0, w.width, w.height}) ||
                        (g.left >= 0 && g.top >= 0 && g.left + g.width <= w.width && g.top + g.height <= w.height))
                << where(*c) << " is cut by the window's edge";
            if (c->kind() == forms::Kind::Frame) continue;  // a frame holds controls
            for (const forms::Control* o : shown)
                EXPECT_TRUE(apart(g, o->geometry())) << where(*c) << " overlaps " << where(*o);
            shown.push_back(c);
        }
    }
}

// The boxes the spin passes and the panels' actions write or read, by window and array.
struct Needed {
    const char* window;
    const char* array;
    int first, last;
};
constexpr Needed kNeeded[] = {
    {"frm1basic", "Text1", 0, 28},  {"frm1basic", "Text2", 0, 28},  {"frm1basic", "Label5", 0, 28},
    {"frm1basic", "Text3", 0, 2},   {"frm3hgf", "Text1", 0, 36},    {"frm3hgf", "Text2", 0, 36},
    {"frm3hgf", "Label2", 0, 36},   {"frm3hgf", "Label2", 46, 84},  {"frm3hgf", "Label12", 0, 36},
    {"frm3hgf", "Label13", 0, 36},  {"frm3hgf", "Text3", 0, 7},     {"frm3hgf", "Text4", 0, 11},
    {"frm3hgf", "Text5", 0, 6},     {"frm3hgf", "Text9", 0, 17},    {"frm3hgf", "Text10", 0, 7},
    {"frm3hgf", "Text11", 0, 4},    {"frm3hgf", "Text12", 0, 3},    {"frm3hgf", "Text13", 0, 11},
    {"frm3hgf", "Check1", 0, 2},    {"frm5help", "Text1", 0, 22},   {"frm6fast", "Text1", 1, 4},
    {"frm6fast", "Text2", 0, 5},    {"frm6fast", "Text3", 0, 4},    {"frm6fast", "Text4", 0, 99},
    {"frm6fast", "Text4", 101, 107}, {"frm6fast", "Label4", 29, 29}, {"frm6fast", "Label4", 33, 33},
    {"frm6fast", "Label4", 52, 64}, {"frm6fast", "Label4", 66, 86}, {"frm6fast", "Label5", 0, 1},
    {"frm7tch", "Text1", 0, 99},    {"frm7tch", "Text1", 104, 310}, {"frm7tch", "Label1", 0, 19},
    {"frm7tch", "Label1", 21, 38},  {"frm7tch", "Label1", 40, 44},  {"frm7tch", "Label1", 47, 56},
    {"frm7tch", "Label1", 59, 62},  {"frm8edge", "Text1", 0, 188},  {"frm8edge", "Label2", 0, 5},
    {"frm8edge", "Label4", 87, 104},
};

TEST(Windows, EveryBoxThePassesReachIsThere) {
    Session s{1};
    for (const Needed& n : kNeeded)
        for (int i = n.first; i <= n.last; ++i)
            EXPECT_NE(s.form(n.window).control(n.array, i), nullptr) << n.window << "." << n.array << "(" << i << ")";
}

}  // namespace
