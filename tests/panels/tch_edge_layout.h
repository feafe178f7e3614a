// Layout checks shared by the TCh and Edge window tests: nothing visible overlaps, everything lies
// inside the window, and the window fits a 1920x1080 screen.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/form.h"

inline std::string where(const forms::Control& c) {
    return c.index() < 0 ? c.name() : c.name() + "(" + std::to_string(c.index()) + ")";
}

inline void expectReadableLayout(const forms::Form& f) {
    const auto& w = f.geometry();
    EXPECT_LE(w.width, 1920);
    EXPECT_LE(w.height, 1080 - 60);  // title bar and task bar
    std::vector<const forms::Control*> shown;
    for (const forms::Control* c : f.controls()) {
        if (!c->visible() || c->kind() == forms::Kind::MenuItem || c->kind() == forms::Kind::Timer) continue;
        const auto& g = c->geometry();
        EXPECT_GT(g.width, 0) << where(*c);
        EXPECT_GE(g.height, 14) << where(*c);
        EXPECT_GE(g.left, 0) << where(*c);
        EXPECT_GE(g.top, 0) << where(*c);
        EXPECT_LE(g.left + g.width, w.width) << where(*c);
        EXPECT_LE(g.top + g.height, w.height) << where(*c);
        shown.push_back(c);
    }
    for (size_t i = 0; i < shown.size(); ++i) {
        const auto& a = shown[i]->geometry();
        for (size_t j = i + 1; j < shown.size(); ++j) {
            const auto& b = shown[j]->geometry();
            bool apart = a.left + a.width <= b.left || b.left + b.width <= a.left || a.top + a.height <= b.top ||
                         b.top + b.height <= a.top;
            EXPECT_TRUE(apart) << where(*shown[i]) << " overlaps " << where(*shown[j]);
        }
    }
}
