#include "passes/second/systems.h"

#include "shell/session.h"

namespace passes {

void eighteenthColourPatterns(Session&) {}

}  // namespace passes
