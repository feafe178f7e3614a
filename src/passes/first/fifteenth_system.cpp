#include "passes/first/systems.h"

#include "shell/session.h"

namespace passes {

void fifteenthSystem(Session&) {}

}  // namespace passes
