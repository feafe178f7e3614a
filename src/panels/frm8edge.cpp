#include "panels/frm8edge.h"

#include "shell/session.h"

Frm8edge::Frm8edge() : forms::Form("frm8edge") {
    setCaption("The Edge");
    setGeometry({80, 80, 900, 640});
}

void attachFrm8edge(Session&, Frm8edge&) {}
