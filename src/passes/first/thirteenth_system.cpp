#include "passes/first/systems.h"

#include "shell/session.h"

namespace passes {

void thirteenthSystem(Session&) {}

}  // namespace passes
