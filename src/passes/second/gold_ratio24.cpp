#include "passes/second/systems.h"

#include "shell/session.h"

namespace passes {

void twentyFourthSystem(Session&) {}

}  // namespace passes
