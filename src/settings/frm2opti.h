// The options window "Options QTM": every setting of the system, grouped per system. Other code
// reads it live through settings.h; "Ok" pushes the base bet and the NICHE limits out.
#pragma once

#include "forms/form.h"

class Session;

class Frm2opti : public forms::Form {
public:
    Frm2opti();

    forms::ControlArray& Text1 = makeArray(forms::Kind::TextBox, "Text1");        // 0..36 settings
    forms::ControlArray& Check2 = makeArray(forms::Kind::CheckBox, "Check2");     // 0..15 switches
    forms::ControlArray& Check1 = makeArray(forms::Kind::CheckBox, "Check1");     // 0..1 progression choice
    forms::ControlArray& Option1 = makeArray(forms::Kind::OptionButton, "Option1");  // "S90", "M90", "ES141"
    forms::ControlArray& Option2 = makeArray(forms::Kind::OptionButton, "Option2");  // "Yes", "No"
    forms::Control& Command1 = makeControl(forms::Kind::CommandButton, "Command1");  // "Ok"
    forms::Control& Command2 = makeControl(forms::Kind::CommandButton, "Command2");  // "Default"

    // Row labels, the TwinsMode legend and the group frames, numbered in creation order.
    forms::ControlArray& Label1 = makeArray(forms::Kind::Label, "Label1");
    forms::ControlArray& Frame1 = makeArray(forms::Kind::Frame, "Frame1");

    // The label at the left of a settings box (or nullptr for the two progression lists).
    forms::Control* labelOf(int box) const;

private:
    friend class OptionsLayout;
    int boxLabel_[37] = {};
};

// Wires the window's handlers and runs its load handler.
void attachFrm2opti(Session& s, Frm2opti& f);

// The handlers, callable as the view or a test would raise them.
namespace opti {
void Text1_Change(Frm2opti& f, int index);
void Text1_DblClick(Frm2opti& f, int index);
void Command1_Click(Session& s);  // "Ok"
void Command2_Click(Frm2opti& f);  // "Default"
}  // namespace opti
