#include "passes/first/first_pass.h"

#include "forms/convert.h"
#include "passes/first/systems.h"
#include "passes/second/second_pass.h"
#include "routines/classify.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

namespace passes {

namespace colors = forms::colors;

forms::Color columnCodeColor(int code) {
    switch (code) {
        case 1: return 0xFFFF00;
        case 2: return 0x80FF;
        case 3: return 0xC0FFC0;
        default: return colors::Black;
    }
}

namespace {

void classifyRows(Session& s, Frm1basic& f) {
    s.st.l_ll = 0;
    s.st.l_mm = 0;
    s.st.l_hh = 0;
    for (int i = 0; i <= 28; ++i) {
        const std::string& t = f.Text1[i].text();
        if (t.empty()) continue;
        int n = routines::spinOf(t);
        f.Text2[i].setText(routines::lhm_check(s, n));
        int code = routines::columnClass(n);
        static constexpr std::string_view CodeText[] = {"0", "1", "2", "3"};
        f.Label5[i].setCaption(CodeText[code]);
        f.Label5[i].setBackColor(columnCodeColor(code));
        f.Label5[i].setForeColor(code == 0 ? colors::White : colors::Black);  // legible on its code colour
    }
}

void shiftHistory(Frm1basic& f) {
    for (int i = 27; i >= 0; --i) {
        f.Text1[i + 1].setText(f.Text1[i].text());
        f.Text2[i + 1].setText(f.Text2[i].text());
        f.Label5[i + 1].setCaption(f.Label5[i].caption());
        f.Label5[i + 1].setBackColor(f.Label5[i].backColor());
        f.Label5[i + 1].setForeColor(f.Label5[i].foreColor());
    }
    // Only the topmost marker follows its spin; it leaves the history after row 28.
    for (int i = 0; i <= 28; ++i) {
        if (f.Text1[i].backColor() != colors::Green) continue;
        f.Text1[i].setBackColor(colors::Window);
        if (i < 28) f.Text1[i + 1].setBackColor(colors::Green);
        break;
    }
}

}  // namespace

void Command1_Click(Session& s) {
    auto& f = s.frm1basic();
    auto& st = s.st;

    // 1. Entry check. A rejected entry changes nothing and books nothing: running the second
    //    pass on it would settle the previous spin a second time.
    auto n = forms::toInt(f.Text1[0].text());
    if (!forms::isWholeNumberText(f.Text1[0].text()) || !n || *n < 0 || *n > 36) return;
    f.Text1[0].setText(forms::numText(*n));  // the history holds canonical text ("5", not "05")

    // 2. Spin counters and the button caption.
    st.l_general_cnt += 1;
    st.l_general_cnt2 += 1;
    f.Command1.setCaption("Spins: " + st.l_general_cnt.text());
    if (f.Check1.value() == 1 && st.l_general_cnt >= 300) f.Command1.setBackColor(colors::Red);

    // 3. Per-dozen counters of the new number.
    if (*n >= 1 && *n <= 12) st.l_lall += 1;
    else if (*n >= 13 && *n <= 24) st.l_mall += 1;
    else if (*n >= 25) st.l_hall += 1;

    // 4. Classification of rows 0 to 28 (the new spin and the 28 before the shift).
    classifyRows(s, f);

    // 5. 2nd system: settling the previous advice.
    secondSystemSettle(s);

    // 6. History shift and green marker.
    shiftHistory(f);

    // 7. Clear and refocus the entry box; L/M/H counts.
    f.Text1[0].setText("");
    f.Text2[0].setText("");
    f.Text1[0].setFocus();
    f.Text3[0].setText(st.l_ll.text());
    f.Text3[1].setText(st.l_mm.text());
    f.Text3[2].setText(forms::numText(st.l_hh));

    // 8 to 22. The systems, each behind its own gate.
    secondSystemAdvise(s);     // 8
    fourthSystem(s);           // 9
    sixthSystem(s);            // 10
    seventhSystem(s);          // 11
    loadHgfLists(s);           // 12
    hgfStatistics(s);          // 13
    ninthSystem(s);            // 14
    lowHighDoubling(s);        // 15
    eleventhSystem(s);         // 16
    twelfthFastFirstPart(s);   // 17
    thirteenthSystem(s);       // 18
    fourteenthSystem(s);       // 19
    fifteenthSystem(s);        // 20
    sixteenthSystem(s);        // 21
    dozenAlarm(s);             // 22

    // 23. Hand-off.
    Command4_Click(s);
}

}  // namespace passes
