#include "passes/second/systems.h"

#include "shell/session.h"

namespace passes {

void Command7_Click(Session&) {}

}  // namespace passes
