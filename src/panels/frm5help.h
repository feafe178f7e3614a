// The statistics window (named "help" in the menu).
#pragma once

#include "forms/form.h"

class Session;

class Frm5help : public forms::Form {
public:
    Frm5help();

    forms::ControlArray& Text1 = makeArray(forms::Kind::TextBox, "Text1");
};

void attachFrm5help(Session& s, Frm5help& f);
