#include "shell/entry.h"

#include "forms/convert.h"
#include "passes/first/first_pass.h"
#include "routines/classify.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

namespace shell {

namespace colors = forms::colors;

forms::Color spinTextColor(int n) {
    if (n == 0) return colors::BrightGreen;
    return routines::isRed(n) ? colors::Red : colors::ScrollBar;
}

void Text1_KeyPress(Session& s, int index, int& key) {
    auto& f = s.frm1basic();
    if (!f.Text1[0].text().empty() && index == 0 && key == forms::KeyEnter) passes::Command1_Click(s);
}

void Text1_Change(Session& s, int index) {
    auto& f = s.frm1basic();
    auto& box = f.Text1[index];
    const std::string& t = box.text();
    // Only a sign and digits count: ",5" or "+5" would otherwise be booked as a spin.
    if (t.size() < 3 && forms::isWholeNumberText(t)) {
        int n = forms::toInt(t).value_or(-1);
        if (n < 0 || n > 36) return;
        box.setForeColor(spinTextColor(n));
    } else if (!f.Text1[0].text().empty()) {
        box.setText("");
    }
}

void Text1_Click(Session& s, int index) {
    if (index == 0) return;
    auto& box = s.frm1basic().Text1[index];
    box.setBackColor(box.backColor() == colors::Green ? colors::White : colors::Green);
}

void Text5_Change(Session& s) {
    auto& f = s.frm1basic();
    const std::string& t = f.Text5.text();
    if (t.size() < 4 && forms::isNumeric(t)) {
        if (auto v = forms::toInt(t)) {
            s.st.l_basebet = *v;
            f.Text7.setText(forms::numText(int64_t{*v} * 5));
            return;
        }
    }
    f.Text5.setText("1");
}

}  // namespace shell
