#include "passes/second/systems.h"

#include "shell/session.h"

namespace passes {

void twentyFirstNiche(Session&) {}

}  // namespace passes
