#include "passes/second/systems.h"

#include "shell/session.h"

namespace passes {

void seventeenthWaves(Session&) {}

}  // namespace passes
