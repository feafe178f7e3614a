// "Form1": a borderless window whose text box shows the window's background behind its text once
// "Command1" has been pressed.
#pragma once

#include "forms/form.h"

class Session;

class Form1 : public forms::Form {
public:
    Form1();

    forms::Control& Text1 = makeControl(forms::Kind::TextBox, "Text1");
    forms::Control& Command1 = makeControl(forms::Kind::CommandButton, "Command1");
    forms::Control& Command2 = makeControl(forms::Kind::CommandButton, "Command2");
    forms::Control& Label1 = makeControl(forms::Kind::Label, "Label1");

    bool TextTransOn = false;
    int textTransCalls = 0;  // how often the box was drawn over the background
};

// Draws the box's text over its window's background: the box takes the window's background
// and the window takes the box's text colour.
void TextTrans(Form1& f, forms::Control& box);

void attachForm1(Session& s, Form1& f);
