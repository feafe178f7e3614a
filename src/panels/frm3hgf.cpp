#include "panels/frm3hgf.h"

#include "shell/session.h"

Frm3hgf::Frm3hgf() : forms::Form("frm3hgf") {
    setCaption("HGF & 12 unique numbers");
    setGeometry({80, 80, 900, 640});
}

void attachFrm3hgf(Session&, Frm3hgf&) {}
