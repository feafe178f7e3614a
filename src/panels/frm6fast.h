// The FAST panel "21st NICHE, Fibonacci and FAST": the sector board of the 21st NICHE, the 28Fass
// boxes of the 12th FAST with its bankroll, the 13th Fibonacci numbers, the 22nd to 25th systems and,
// on the right, the two columns of the 12th Fast groups and tail. The spin passes write it; the
// player types into the NICHE limits, the seed and twin boxes and the bankroll boxes.
#pragma once

#include "forms/form.h"

class Session;

class Frm6fast : public forms::Form {
public:
    Frm6fast();

    // 12th FAST: switch, verdict, FASS count of the whole history.
    forms::Control& Check1 = makeControl(forms::Kind::CheckBox, "Check1");  // "Start Game", graphical
    forms::Control& Label1 = makeControl(forms::Kind::Label, "Label1");     // verdict beside "PreQ"
    forms::Control& Label3 = makeControl(forms::Kind::Label, "Label3");     // count beside "28Fass"
    forms::ControlArray& Text1 = makeArray(forms::Kind::TextBox, "Text1");  // 1..4 bankroll, stakes, Cwin
    forms::ControlArray& Text2 = makeArray(forms::Kind::TextBox, "Text2");  // 0..5 Skip .. Lspin
    forms::ControlArray& Text3 = makeArray(forms::Kind::TextBox, "Text3");  // 0..4 13th Fibonacci
    forms::ControlArray& Text4 = makeArray(forms::Kind::TextBox, "Text4");  // 0..107 the systems' boxes
    forms::ControlArray& Label2 = makeArray(forms::Kind::Label, "Label2");  // 16: 13th Fibonacci state
    forms::ControlArray& Label4 = makeArray(forms::Kind::Label, "Label4");  // titles and switch labels
    forms::ControlArray& Label5 = makeArray(forms::Kind::Label, "Label5");  // Twins progression selectors

    forms::Control& Command1 = makeControl(forms::Kind::CommandButton, "Command1");  // "Cls21"
    forms::Control& Command2 = makeControl(forms::Kind::CommandButton, "Command2");  // "Cls25"
    forms::Control& Command3 = makeControl(forms::Kind::CommandButton, "Command3");  // "Gns"
    forms::Control& Command4 = makeControl(forms::Kind::CommandButton, "Command4");  // "S"
    forms::Control& Command5 = makeControl(forms::Kind::CommandButton, "Command5");  // "R"

    // Captions nothing writes (column heads, row names, sector lists), numbered in creation order.
    forms::ControlArray& lblCaption = makeArray(forms::Kind::Label, "lblCaption");
};

// Wires the window's handlers and runs its load handler.
void attachFrm6fast(Session& s, Frm6fast& f);
