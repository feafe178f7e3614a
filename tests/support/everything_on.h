// Every switch the systems read, on, as a player would set them; the Test log stays off.
#pragma once

#include "panels/frm3hgf.h"
#include "panels/frm6fast.h"
#include "panels/frm7tch.h"
#include "panels/frm8edge.h"
#include "settings/frm2opti.h"
#include "settings/settings.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

inline void switchEverythingOn(Session& s) {
    auto& f = s.frm1basic();
    for (forms::Control* c : {&f.Check1, &f.Check2, &f.Check3}) c->setValue(1);
    f.Label9.click();
    auto& o = s.frm2opti();
    for (int i = 0; i < settings::SwitchCount; ++i)
        if (i != static_cast<int>(settings::Switch::TestsFileFlag)) o.Check2[i].setValue(1);
    o.Check1[0].setValue(1);
    o.Check1[1].setValue(1);
    s.frm3hgf().Label4.forEach([](forms::Control& c) { c.click(); });
    s.frm6fast().Check1.setValue(1);
    s.frm7tch().Check1.setValue(1);
    s.frm7tch().Label1[21].click();
    s.frm8edge().Label2.forEach([](forms::Control& c) { c.click(); });
}
