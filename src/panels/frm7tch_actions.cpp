#include "panels/frm7tch_actions.h"

#include <cstdint>
#include <string>

#include "forms/convert.h"
#include "panels/frm7tch.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

namespace panels::tch {

namespace {

constexpr forms::Color On = 0x00C000;

// A counter box one up; a box that holds no number stays as it is.
void raise(forms::Control& box) {
    if (auto v = forms::toInt(box.text())) box.setText(forms::numText(int64_t{*v} + 1));
}

}  // namespace

void loadStreetGapLimit(Session& s) {
    if (auto v = forms::toInt(s.frm7tch().Text1[tchbox::StreetGapLimit].text())) s.st.i_22plcnt = *v;
}

void Command1_Click(Session& s) {
    auto& f = s.frm7tch();
    const std::string common = f.Text1[tchbox::CommonLimit].text();
    if (forms::isWholeNumberText(common))
        for (int i : tchbox::SleepLimitBoxes) f.Text1[i].setText(common);
    loadStreetGapLimit(s);
}

void Command2_Click(Session& s) {
    auto& f = s.frm7tch();
    auto& multiplier = f.Text1[tchbox::ReMultiplier];
    if (!forms::toInt(multiplier.text())) return;
    raise(multiplier);

    const auto& history = s.frm1basic().Text1;
    const std::string t1 = history[1].text(), t2 = history[2].text();
    if (t1 == t2 || t1 == "0" || t2 == "0" || t2.empty() || f.Check1.value() != 0) return;
    auto a = forms::toInt(multiplier.text());
    auto c = forms::toInt(f.Text1[tchbox::ReAddend].text());
    auto n1 = forms::toInt(t1), n2 = forms::toInt(t2);
    if (!a || !c || !n1 || !n2) return;
    // Whole-number remainders keep the sign of the dividend, as the original arithmetic did.
    const int64_t x1 = (int64_t{*n1} * *a + *c) % 37;
    const int64_t x2 = (int64_t{*n2} * *a + *c) % 37;
    const int64_t x3 = (x1 + x2) % 37;
    f.Label1[54].setCaption(forms::numText(x1) + "," + forms::numText(x2) + "," + forms::numText(x3));
    f.Label1[53].setCaption(t1 + "," + t2);
}

void Check1_Click(Session& s) { s.frm1basic().SpinEntryBox().setFocus(); }

void Label1_Click(Session& s, int) {
    auto& sw = s.frm7tch().Label1[tchbox::SwitchLabel];
    sw.setBackColor(sw.backColor() == On ? forms::colors::Black : On);
    const auto& history = s.frm1basic().Text1;
    sw.setCaption(history[1].text() + " " + history[2].text() + " " + history[3].text());
}

void Text1_Click(Session& s, int) { raise(s.frm7tch().Text1[tchbox::ReAddend]); }

}  // namespace panels::tch
