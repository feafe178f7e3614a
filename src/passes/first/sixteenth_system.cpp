#include "passes/first/systems.h"

#include "shell/session.h"

namespace passes {

void sixteenthSystem(Session&) {}

}  // namespace passes
