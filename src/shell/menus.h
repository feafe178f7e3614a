// The main window's menu bar, its three system switches, "2NB prog", the auto-click pair and End.
#pragma once

#include <cstdint>

#include "forms/form.h"

class Session;
class Frm1basic;

namespace shell {

// Text colour of "2NB prog" while it is off; &HC000 (green) is on.
inline constexpr forms::Color SwitchOff = 0x8000000E;
// The largest interval the auto-click timer takes, in milliseconds.
inline constexpr int32_t MaxTimerInterval = 65535;

void wireMenusAndSwitches(Session& s, Frm1basic& f);

void Label9_Click(Session& s);
void Command5_Click(Session& s, int index);
// Unloads every window in its order; nothing is saved.
void end_Click(Session& s);

}  // namespace shell
