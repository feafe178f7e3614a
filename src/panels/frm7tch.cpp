#include "panels/frm7tch.h"

#include "shell/session.h"

Frm7tch::Frm7tch() : forms::Form("frm7tch") {
    setCaption("TCh");
    setGeometry({80, 80, 900, 640});
}

void attachFrm7tch(Session&, Frm7tch&) {}
