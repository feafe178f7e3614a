#include "shell/entry.h"

#include <array>

#include "forms/convert.h"
#include "passes/first/first_pass.h"
#include "routines/classify.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

namespace shell {

namespace colors = forms::colors;

namespace {

constexpr std::array<forms::Color, 37> SpinColors = [] {
    std::array<forms::Color, 37> c{};
    c[0] = colors::BrightGreen;
    for (int n = 1; n <= 36; ++n) c[static_cast<size_t>(n)] = colors::ScrollBar;
    for (int n : {1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36})
        c[static_cast<size_t>(n)] = colors::Red;
    return c;
}();

}  // namespace

forms::Color spinTextColor(int n) {
    if (n == 0) return colors::BrightGreen;
    return routines::isRed(n) ? colors::Red : colors::ScrollBar;
}

void Text1_KeyPress(Session& s, int index, int& key) {
    auto& f = s.frm1basic();
    if (!f.Text1[0].text().empty() && index == 0 && key == forms::KeyEnter) passes::Command1_Click(s);
}

void Text1_Change(Session& s, int index) { Text1_Change(s, s.frm1basic().Text1[index]); }

void Text1_Change(Session& s, forms::Control& box) {
    const std::string& t = box.text();
    // Every history shift lands here 28 times: plain one- and two-digit spins are read in place.
    if (t.empty()) return;  // clearing an empty box changes nothing
    const unsigned d0 = static_cast<unsigned char>(t[0]) - '0';
    if (d0 <= 9) {
        if (t.size() == 1) {
            box.setForeColor(SpinColors[d0]);
            return;
        }
        const unsigned d1 = static_cast<unsigned char>(t[1]) - '0';
        if (t.size() == 2 && d1 <= 9) {
            const unsigned n = d0 * 10 + d1;
            if (n <= 36) box.setForeColor(SpinColors[n]);
            return;
        }
    }
    // Only a sign and digits count: ",5" or "+5" would otherwise be booked as a spin.
    if (t.size() < 3 && forms::isWholeNumberText(t)) {
        int n = forms::toInt(t).value_or(-1);
        if (n < 0 || n > 36) return;
        box.setForeColor(spinTextColor(n));
    } else if (!s.frm1basic().Text1[0].text().empty()) {
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
