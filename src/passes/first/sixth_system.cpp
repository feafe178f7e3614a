#include "passes/first/systems.h"

#include "shell/session.h"

namespace passes {

void sixthSystem(Session&) {}

}  // namespace passes
