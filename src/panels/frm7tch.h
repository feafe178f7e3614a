#pragma once

#include "forms/form.h"

class Session;

class Frm7tch : public forms::Form {
public:
    Frm7tch();
};

void attachFrm7tch(Session& s, Frm7tch& f);
