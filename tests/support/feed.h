// Feeds spins through the real entry road: the number is written into the entry box and Enter is
// pressed in it, as a player would.
#pragma once

#include <initializer_list>
#include <string>

#include "forms/convert.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

inline void enter(Session& s, const std::string& text) {
    auto& box = s.frm1basic().SpinEntryBox();
    box.setText(text);
    box.pressEnter();
}

inline void feed(Session& s, std::initializer_list<int> spins) {
    for (int n : spins) enter(s, forms::numText(n));
}

// The history rows 1..k as one text, newest first ("14 3 0").
inline std::string history(Session& s, int k = 28) {
    std::string out;
    for (int i = 1; i <= k; ++i) {
        const std::string& t = s.frm1basic().Text1[i].text();
        if (t.empty()) break;
        if (!out.empty()) out += ' ';
        out += t;
    }
    return out;
}
