#include "passes/second/systems.h"

#include "shell/session.h"

namespace passes {

void twentySecondSystem(Session&) {}

}  // namespace passes
