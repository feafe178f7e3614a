#include "panels/frm5help.h"

#include "shell/session.h"

Frm5help::Frm5help() : forms::Form("frm5help") {
    setCaption("Statistics");
    setGeometry({60, 60, 640, 420});
    Text1.add(4).at(20, 20, 60, 20).setLocked(true);
}

void attachFrm5help(Session&, Frm5help&) {}
