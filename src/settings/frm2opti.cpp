#include "settings/frm2opti.h"

#include "shell/session.h"

Frm2opti::Frm2opti() : forms::Form("frm2opti") {
    setCaption("Options");
    setGeometry({80, 80, 900, 640});
}

void attachFrm2opti(Session&, Frm2opti&) {}
