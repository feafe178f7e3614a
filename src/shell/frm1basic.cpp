#include "shell/frm1basic.h"

#include "passes/first/first_pass.h"
#include "shell/entry.h"
#include "shell/menus.h"
#include "shell/reset.h"
#include "shell/selftest.h"
#include "shell/session.h"
#include "shell/startup.h"

using forms::Kind;
namespace colors = forms::colors;

namespace {

constexpr int RowTop = 40;
constexpr int RowStep = 20;
constexpr int RowHeight = 19;

int rowY(int i) { return i == 0 ? 8 : RowTop + (i - 1) * RowStep; }

}  // namespace

Frm1basic::Frm1basic() : forms::Form("frm1basic") {
    setCaption("Roulette advisor");
    setGeometry({0, 0, 1180, 680});

    for (int i = 0; i <= 28; ++i) {
        auto& t = Text1.add(i).at(10, rowY(i), 44, RowHeight).designColors(colors::WindowText, colors::White);
        t.setFont(9, true);
        t.setAlignment(2);
        if (i > 0) t.setLocked(true);  // the history is the record of what fell
        Text2.add(i).at(58, rowY(i), 24, RowHeight).setLocked(true);
        auto& l = Label5.add(i).at(86, rowY(i), 20, RowHeight);
        l.setAlignment(2);
        if (i == 0) l.setVisible(false);
    }
    makeControl(Kind::Label, "lblLMH").design("L / M / H").at(120, RowTop, 70, 16);
    for (int i = 0; i < 3; ++i) Text3.add(i).at(120, RowTop + 18 + i * 22, 50, 20).setLocked(true);

    Command1.design("Spins: 0").designColors(colors::ButtonText, 0xFFFF).at(10, rowY(28) + 28, 96, 26);
    Command2.design("Reset").at(110, rowY(28) + 28, 60, 26);
    Command3.design("Test").at(174, rowY(28) + 28, 60, 26);

    makeControl(Kind::Label, "lblBbet").design("Bbet").at(120, 130, 40, 16);
    Text5.design("1").at(120, 148, 50, 20);
    makeControl(Kind::Label, "lblSL").design("S/L").at(120, 174, 40, 16);
    Text7.design("0").at(120, 192, 50, 20);

    Check1.at(200, RowTop, 18, 18);
    Check2.at(200, RowTop + 24, 18, 18);
    Check3.at(200, RowTop + 48, 18, 18);

    // Beside the buttons, right of the number column.
    const int barY = rowY(28) + 28;
    // Dark ground: the switch shows as light text when off and green when on.
    Label9.design("2NB prog").designColors(shell::SwitchOff, 0x404040).at(250, barY + 5, 60, 16);
    Label10.add(0).design("0").at(314, barY + 5, 30, 16);
    Label10.add(1).design("0").at(348, barY + 5, 30, 16);
    Command6.design("Command6").at(390, barY, 80, 26);
    Command5.add(0).design("Start click").at(480, barY, 80, 26).setVisible(false);
    Command5.add(1).design("Stop click").at(564, barY, 110, 26).setVisible(false);
    Timer1.setInterval(60000);
    Timer1.setEnabled(false);

    // Placeholder places; the window's layout gives each group its block.
    int x = 480, y = RowTop;
    auto next = [&](forms::Control& c) {
        c.at(x, y, 60, 20);
        y += 22;
        if (y > 600) { y = RowTop; x += 70; }
    };
    for (int i = 0; i < 4; ++i) next(Text4.add(i));
    Label1.design("1st - 2D 12slp vs 24 hit").at(480, 16, 160, 16);
    next(Text6);
    next(Text9);
    for (int i = 0; i < 4; ++i) next(Text8.add(i));
    Text8[0].design("TEXT");
    Text8[0].setVisible(false);
    next(Text10);
    Text10.setVisible(false);
    for (int i = 0; i < 3; ++i) next(Label2.add(i));
    for (int i = 0; i < 12; ++i) next(Text11.add(i));
    next(Text12);
    Text12.design("wait");
    for (int i = 0; i < 3; ++i) next(Text13.add(i));
    next(Text14);
    for (int i = 0; i < 4; ++i) next(Text15.add(i));

    opti.add(1).design("Options");
    hgf.add(3).design("HGF");
    fast.add(6).design("FAST");
    help.add(5).design("Help");
    about.add(4).design("About");
    tch.add(7).design("TCh");
    edge.add(8).design("Edge");
    end.add(2).design("End");
}

void attachFrm1basic(Session& s, Frm1basic& f) {
    for (int i = 0; i <= 28; ++i) {
        auto& t = f.Text1[i];
        t.onKeyPress = [&s, i](int& key) { shell::Text1_KeyPress(s, i, key); };
        t.onChange = [&s, i] { shell::Text1_Change(s, i); };
        t.onClick = [&s, i] { shell::Text1_Click(s, i); };
    }
    f.Text5.onChange = [&s] { shell::Text5_Change(s); };
    f.Command1.onClick = [&s] { passes::Command1_Click(s); };
    f.Command2.onClick = [&s] { shell::Command2_Click(s); };
    f.Command3.onClick = [&s] { shell::Command3_Click(s); };
    shell::wireMenusAndSwitches(s, f);

    shell::Form_Load(s);
}
