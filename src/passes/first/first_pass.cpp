#include "passes/first/first_pass.h"

#include <array>

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

constexpr int Rows = 29;  // the entry box and history rows 1 to 28

// The three row columns, looked up once per spin.
struct RowBoxes {
    std::array<forms::Control*, Rows> spin, dozen, column;
    explicit RowBoxes(Frm1basic& f) {
        for (int i = 0; i < Rows; ++i) {
            spin[static_cast<size_t>(i)] = &f.Text1[i];
            dozen[static_cast<size_t>(i)] = &f.Text2[i];
            column[static_cast<size_t>(i)] = &f.Label5[i];
        }
    }
};

// What the classification gives a row: its dozen text and column code. A row without a spin is
// left as it stands and moves down as it is.
struct RowClasses {
    std::array<int8_t, Rows> dozen;  // index into DozenText; -1: the row holds no spin
    std::array<int8_t, Rows> code;
};

constexpr std::string_view DozenText[] = {"", "0", "L", "M", "H"};
constexpr std::string_view CodeText[] = {"0", "1", "2", "3"};

inline void showClass(const RowBoxes& b, size_t i, int dozen, int code) {
    b.dozen[i]->setText(DozenText[dozen]);
    forms::Control& col = *b.column[i];
    col.setCaption(CodeText[code]);
    col.setBackColor(columnCodeColor(code));
    col.setForeColor(code == 0 ? colors::White : colors::Black);  // legible on its code colour
}

// Classifies rows 0 to 28; only the rows the settling reads are shown now, the rest land in their
// shifted place in one write.
// Dozen index and column code of every spin; anything else is classed "" and 0.
struct SpinClass {
    int8_t dozen, code;
};
constexpr std::array<SpinClass, 37> SpinClasses = [] {
    std::array<SpinClass, 37> c{};
    c[0] = {1, 0};
    for (int n = 1; n <= 36; ++n)
        c[static_cast<size_t>(n)] = {static_cast<int8_t>(n <= 12 ? 2 : n <= 24 ? 3 : 4), static_cast<int8_t>((n - 1) % 3 + 1)};
    return c;
}();

void classifyRows(Session& s, const RowBoxes& b, RowClasses& rc) {
    std::array<int32_t, 5> perDozen{};  // by dozen index: L, M and H are counted
    for (size_t i = 0; i < Rows; ++i) {
        const std::string& t = b.spin[i]->text();
        SpinClass c{-1, 0};
        if (!t.empty()) {
            const int n = routines::spinOf(t);
            c = n >= 0 && n <= 36 ? SpinClasses[static_cast<size_t>(n)] : SpinClass{0, 0};
            ++perDozen[static_cast<size_t>(c.dozen)];
        }
        rc.dozen[i] = c.dozen;
        rc.code[i] = c.code;
    }
    for (size_t i = 0; i < 4; ++i)
        if (rc.dozen[i] >= 0) showClass(b, i, rc.dozen[i], rc.code[i]);
    s.st.l_ll = perDozen[2];
    s.st.l_mm = perDozen[3];
    s.st.l_hh = perDozen[4];
}

void shiftHistory(const RowBoxes& b, const RowClasses& rc) {
    for (size_t i = Rows - 1; i-- > 0;) {
        b.spin[i + 1]->setText(b.spin[i]->text());
        if (rc.dozen[i] >= 0) {
            showClass(b, i + 1, rc.dozen[i], rc.code[i]);
        } else {
            b.dozen[i + 1]->setText(b.dozen[i]->text());
            forms::Control& from = *b.column[i];
            forms::Control& to = *b.column[i + 1];
            to.setCaption(from.caption());
            to.setBackColor(from.backColor());
            to.setForeColor(from.foreColor());
        }
    }
    // Only the topmost marker follows its spin; it leaves the history after row 28.
    for (size_t i = 0; i < Rows; ++i) {
        if (b.spin[i]->backColor() != colors::Green) continue;
        b.spin[i]->setBackColor(colors::Window);
        if (i < Rows - 1) b.spin[i + 1]->setBackColor(colors::Green);
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
    char buf[16 + forms::NumTextMax];
    f.Text1[0].setText({buf, forms::numTextTo(buf, int64_t{*n})});  // canonical text ("5", not "05")
    const RowBoxes rows(f);

    // 2. Spin counters and the button caption.
    st.l_general_cnt += 1;
    st.l_general_cnt2 += 1;
    {
        constexpr std::string_view Spins = "Spins: ";
        Spins.copy(buf, Spins.size());
        f.Command1.setCaption(
            {buf, Spins.size() + forms::numTextTo(buf + Spins.size(), static_cast<int64_t>(st.l_general_cnt.value()))});
    }
    if (f.Check1.value() == 1 && st.l_general_cnt >= 300) f.Command1.setBackColor(colors::Red);

    // 3. Per-dozen counters of the new number.
    if (*n >= 1 && *n <= 12) st.l_lall += 1;
    else if (*n >= 13 && *n <= 24) st.l_mall += 1;
    else if (*n >= 25) st.l_hall += 1;

    // 4. Classification of rows 0 to 28 (the new spin and the 28 before the shift).
    RowClasses classes;
    classifyRows(s, rows, classes);

    // 5. 2nd system: settling the previous advice.
    secondSystemSettle(s);

    // 6. History shift and green marker.
    shiftHistory(rows, classes);

    // 7. Clear and refocus the entry box; L/M/H counts.
    f.Text1[0].setText("");
    f.Text2[0].setText("");
    f.Text1[0].setFocus();
    f.Text3[0].setNumber(static_cast<int64_t>(st.l_ll.value()));
    f.Text3[1].setNumber(static_cast<int64_t>(st.l_mm.value()));
    f.Text3[2].setNumber(int64_t{st.l_hh});

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
