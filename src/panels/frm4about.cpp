#include "panels/frm4about.h"

#include "shell/session.h"

Frm4about::Frm4about() : forms::Form("frm4about") {
    setCaption("About");
    setGeometry({80, 80, 900, 640});
}

void attachFrm4about(Session&, Frm4about&) {}
