#include "passes/first/systems.h"

#include "shell/session.h"

namespace passes {

void fourteenthSystem(Session&) {}

}  // namespace passes
