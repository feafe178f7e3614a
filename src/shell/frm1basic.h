// The main window: entry box and 28-row history, the spin button, the switches and the menu.
#pragma once

#include <vector>

#include "forms/form.h"

class Session;

class Frm1basic : public forms::Form {
public:
    Frm1basic();

    forms::ControlArray& Text1 = makeArray(forms::Kind::TextBox, "Text1");    // 0 entry, 1..28 history
    forms::ControlArray& Text2 = makeArray(forms::Kind::TextBox, "Text2");    // dozen class per row
    forms::ControlArray& Label5 = makeArray(forms::Kind::Label, "Label5");    // column code per row
    forms::ControlArray& Text3 = makeArray(forms::Kind::TextBox, "Text3");    // L, M, H counts
    forms::Control& Command1 = makeControl(forms::Kind::CommandButton, "Command1");
    forms::Control& Command2 = makeControl(forms::Kind::CommandButton, "Command2");
    forms::Control& Command3 = makeControl(forms::Kind::CommandButton, "Command3");
    forms::Control& Text5 = makeControl(forms::Kind::TextBox, "Text5");
    forms::Control& Text7 = makeControl(forms::Kind::TextBox, "Text7");
    forms::Control& Check1 = makeControl(forms::Kind::CheckBox, "Check1");
    forms::Control& Check2 = makeControl(forms::Kind::CheckBox, "Check2");
    forms::Control& Check3 = makeControl(forms::Kind::CheckBox, "Check3");

    // System boxes of both passes (advice, stakes, results, counts), each group in its block.
    forms::ControlArray& Text4 = makeArray(forms::Kind::TextBox, "Text4");    // 1st: 0, 3 advice, 1 CW1, 2 Bbet
    forms::Control& Label1 = makeControl(forms::Kind::Label, "Label1");      // 1st system's caption
    forms::Control& Text6 = makeControl(forms::Kind::TextBox, "Text6");      // 2nd: advice
    forms::Control& Text9 = makeControl(forms::Kind::TextBox, "Text9");      // 2nd: CW2
    forms::ControlArray& Text8 = makeArray(forms::Kind::TextBox, "Text8");    // 0 4th; 1 CW9, 2 Badv, 3 Bb
    forms::Control& Text10 = makeControl(forms::Kind::TextBox, "Text10");    // 3rd: trend progression
    forms::ControlArray& Label2 = makeArray(forms::Kind::Label, "Label2");    // dozen legends L, H, M
    forms::ControlArray& Text11 = makeArray(forms::Kind::TextBox, "Text11");  // 5th: counts
    forms::Control& Text12 = makeControl(forms::Kind::TextBox, "Text12");    // 5th: progression
    forms::ControlArray& Text13 = makeArray(forms::Kind::TextBox, "Text13");  // 6th: column counts
    forms::Control& Text14 = makeControl(forms::Kind::TextBox, "Text14");    // 6th: progression
    forms::ControlArray& Text15 = makeArray(forms::Kind::TextBox, "Text15");  // 7th: 0, 3 list, 1 Bbet, 2 CW7
    forms::ControlArray& Label8 = makeArray(forms::Kind::Label, "Label8");    // the systems' captions

    // "2NB prog" switch (on while its text is green) and its two figures.
    forms::Control& Label9 = makeControl(forms::Kind::Label, "Label9");
    forms::ControlArray& Label10 = makeArray(forms::Kind::Label, "Label10");
    // The auto-click pair (never shown) with its timer, and a button that does nothing.
    forms::ControlArray& Command5 = makeArray(forms::Kind::CommandButton, "Command5");
    forms::Control& Timer1 = makeControl(forms::Kind::Timer, "Timer1");
    forms::Control& Command6 = makeControl(forms::Kind::CommandButton, "Command6");

    // Menu bar, each item a one-element control array.
    forms::ControlArray& opti = makeArray(forms::Kind::MenuItem, "opti");
    forms::ControlArray& hgf = makeArray(forms::Kind::MenuItem, "hgf");
    forms::ControlArray& fast = makeArray(forms::Kind::MenuItem, "fast");
    forms::ControlArray& help = makeArray(forms::Kind::MenuItem, "help");
    forms::ControlArray& about = makeArray(forms::Kind::MenuItem, "about");
    forms::ControlArray& tch = makeArray(forms::Kind::MenuItem, "tch");
    forms::ControlArray& edge = makeArray(forms::Kind::MenuItem, "edge");
    forms::ControlArray& end = makeArray(forms::Kind::MenuItem, "end");

    // The blocks' frames and the captions above the boxes; nothing reads them.
    forms::ControlArray& Frame1 = makeArray(forms::Kind::Frame, "Frame1");
    forms::ControlArray& Label3 = makeArray(forms::Kind::Label, "Label3");

    forms::Control& SpinEntryBox() const { return Text1[0]; }

    // Column codes of rows 27 down to 1, found on the streak count's first spin (the window never
    // changes its controls).
    std::vector<forms::Control*> streakCodes;
};

// Wires the window's handlers and runs its load handler.
void attachFrm1basic(Session& s, Frm1basic& f);
