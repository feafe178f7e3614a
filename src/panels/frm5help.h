// The statistics window (named "Help" in the menu): the totals of the 16th and 17th systems, the
// 18th colour patterns, the column streak records, the 19th HGF ADV totals and the caption note.
#pragma once

#include "forms/form.h"

class Session;

class Frm5help : public forms::Form {
public:
    Frm5help();

    forms::ControlArray& Text1 = makeArray(forms::Kind::TextBox, "Text1");
    forms::Control& Text2 = makeControl(forms::Kind::TextBox, "Text2");  // the caption note
    forms::Control& Text3 = makeControl(forms::Kind::TextBox, "Text3");  // "Cwin19th"
    forms::Control& Command1 = makeControl(forms::Kind::CommandButton, "Command1");
    forms::ControlArray& Label1 = makeArray(forms::Kind::Label, "Label1");  // 18 "19th HGF ADV"
    forms::ControlArray& lbl = makeArray(forms::Kind::Label, "lbl");        // headings no code reads

    forms::Control& CaptionNote() { return Text2; }
};

// Wires the window's handlers and runs its load handler.
void attachFrm5help(Session& s, Frm5help& f);
