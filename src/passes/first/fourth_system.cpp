#include "passes/first/systems.h"

#include "shell/session.h"

namespace passes {

void fourthSystem(Session&) {}

}  // namespace passes
