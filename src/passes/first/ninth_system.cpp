#include "passes/first/systems.h"

#include "shell/session.h"

namespace passes {

void ninthSystem(Session&) {}

}  // namespace passes
