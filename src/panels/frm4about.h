#pragma once

#include "forms/form.h"

class Session;

class Frm4about : public forms::Form {
public:
    Frm4about();
};

void attachFrm4about(Session& s, Frm4about& f);
