// The first spin pass: entry check, counting, classification and shift of the history, then the
// first group of systems, ending with the second pass.
#pragma once

#include "forms/form.h"

class Session;

namespace passes {

// Back colour of a history row's column code 0..3.
forms::Color columnCodeColor(int code);

// The spin button's click, Enter in the entry box and each self-test spin.
void Command1_Click(Session& s);

}  // namespace passes
