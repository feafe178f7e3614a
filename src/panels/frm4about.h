// The About window.
#pragma once

#include "forms/form.h"

class Session;

class Frm4about : public forms::Form {
public:
    Frm4about();

    forms::Control& Label1 = makeControl(forms::Kind::Label, "Label1");
    forms::Control& Command1 = makeControl(forms::Kind::CommandButton, "Command1");  // "OK"
};

void attachFrm4about(Session& s, Frm4about& f);
