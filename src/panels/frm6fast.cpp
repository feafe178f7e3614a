#include "panels/frm6fast.h"

#include "shell/session.h"

Frm6fast::Frm6fast() : forms::Form("frm6fast") {
    setCaption("21st NICHE, Fibonacci and FAST");
    setGeometry({80, 80, 900, 640});
}

void attachFrm6fast(Session&, Frm6fast&) {}
