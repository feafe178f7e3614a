#pragma once

#include "forms/form.h"

class Session;

class Frm6fast : public forms::Form {
public:
    Frm6fast();
};

void attachFrm6fast(Session& s, Frm6fast& f);
