#include "shell/menus.h"

#include <algorithm>

#include "forms/convert.h"
#include "panels/frm3hgf.h"
#include "panels/frm4about.h"
#include "panels/frm5help.h"
#include "panels/frm6fast.h"
#include "panels/frm7tch.h"
#include "panels/frm8edge.h"
#include "settings/frm2opti.h"
#include "settings/settings.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

namespace shell {

namespace colors = forms::colors;

void wireMenusAndSwitches(Session& s, Frm1basic& f) {
    // Each item loads its window on first use and shows it; a shown window keeps its contents.
    f.opti[1].onClick = [&s] { s.frm2opti().show(); };
    f.hgf[3].onClick = [&s] { s.frm3hgf().show(); };
    f.fast[6].onClick = [&s] { s.frm6fast().show(); };
    f.help[5].onClick = [&s] { s.frm5help().show(); };
    f.about[4].onClick = [&s] { s.frm4about().show(); };
    f.tch[7].onClick = [&s] { s.frm7tch().show(); };
    f.edge[8].onClick = [&s] { s.frm8edge().show(); };
    f.end[2].onClick = [&s] { end_Click(s); };
    f.onCloseRequest = [&s] { end_Click(s); };

    // The switches are read from their values; a click only hands the focus back to the entry.
    for (forms::Control* c : {&f.Check1, &f.Check2, &f.Check3})
        c->onClick = [&f] { f.SpinEntryBox().setFocus(); };

    f.Label9.onClick = [&s] { Label9_Click(s); };
    for (int i : {0, 1}) f.Command5[i].onClick = [&s, i] { Command5_Click(s, i); };
    f.Timer1.onTimer = [] {};
    f.Command6.onClick = [] {};
}

void Label9_Click(Session& s) {
    auto& f = s.frm1basic();
    if (f.Label9.foreColor() == SwitchOff) {
        f.Label9.setForeColor(colors::Green);
        return;
    }
    f.Label9.setForeColor(SwitchOff);
    s.st.i_2nbvalue = 0;
    s.st.i_2nbcnt = 0;
    f.Label10[0].setCaption(forms::numText(s.st.i_2nbvalue));
    f.Label10[1].setCaption(forms::numText(s.st.i_2nbcnt));
}

void Command5_Click(Session& s, int index) {
    auto& f = s.frm1basic();
    if (index == 0) {
        auto seconds = settings::integer(s, settings::Box::ClickDelaySeconds);
        if (!seconds) return;
        // Longer delays than the timer can count are clamped, not wrapped.
        const int64_t ms = std::clamp<int64_t>(int64_t{*seconds} * 1000, 0, MaxTimerInterval);
        f.Timer1.setInterval(static_cast<int>(ms));
        f.Timer1.setEnabled(true);
    } else if (index == 1) {
        f.Timer1.setEnabled(false);
    }
}

void end_Click(Session& s) {
    s.end({"frm2opti", "frm3hgf", "frm1basic", "frm4about", "frm5help", "frm6fast", "frm7tch", "frm8edge", "Form1", "Form2"});
}

}  // namespace shell
