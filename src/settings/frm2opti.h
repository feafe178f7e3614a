#pragma once

#include "forms/form.h"

class Session;

class Frm2opti : public forms::Form {
public:
    Frm2opti();
};

void attachFrm2opti(Session& s, Frm2opti& f);
