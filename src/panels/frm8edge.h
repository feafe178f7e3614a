#pragma once

#include "forms/form.h"

class Session;

class Frm8edge : public forms::Form {
public:
    Frm8edge();
};

void attachFrm8edge(Session& s, Frm8edge& f);
