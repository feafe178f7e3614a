#include "panels/frm8edge_actions.h"

#include "panels/frm8edge.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

namespace panels::edge {

void Label2_Click(Session& s, int index) {
    constexpr forms::Color Off = 0xC0C0C0, On = 0x00C000;
    if (auto* sw = s.frm8edge().Label2.find(index)) sw->setBackColor(sw->backColor() == Off ? On : Off);
    s.frm1basic().SpinEntryBox().setFocus();
}

}  // namespace panels::edge
