#pragma once

#include "forms/form.h"

class Session;

class Frm3hgf : public forms::Form {
public:
    Frm3hgf();
};

void attachFrm3hgf(Session& s, Frm3hgf& f);
