#include "panels/frm4about.h"

#include "shell/session.h"

Frm4about::Frm4about() : forms::Form("frm4about") {
    setCaption("About");
    setBorderStyle(3);  // a fixed dialog
    setGeometry({200, 160, 420, 140});
    Label1.design("Application contains 36 betting systems for French or European roulette").at(16, 20, 388, 36);
    Label1.setAlignment(2);
    Command1.design("OK").at(170, 70, 80, 26);
}

void attachFrm4about(Session&, Frm4about& f) {
    f.Command1.onClick = [&f] { f.hide(); };
}
