#include "passes/first/systems.h"

#include "shell/session.h"

namespace passes {

void seventhSystem(Session&) {}

}  // namespace passes
