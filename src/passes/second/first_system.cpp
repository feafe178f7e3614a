#include "passes/second/systems.h"

#include "shell/session.h"

namespace passes {

void firstSystem(Session&) {}

}  // namespace passes
