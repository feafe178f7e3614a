// Design helpers of the panel windows: a number box the system writes, and one the player types.
#pragma once

#include "forms/layout.h"

namespace panels {

// Read-only to the player.
inline forms::Control& shownBox(forms::ControlArray& a, int i, const forms::Geometry& g, const char* design = "0") {
    auto& c = forms::place(a.add(i), g).design(design);
    c.setLocked(true);
    c.setAlignment(2);
    return c;
}

inline forms::Control& typedBox(forms::ControlArray& a, int i, const forms::Geometry& g, const char* design) {
    auto& c = forms::place(a.add(i), g).design(design);
    c.setAlignment(2);
    return c;
}

}  // namespace panels
