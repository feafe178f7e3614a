#include "passes/second/systems.h"

#include "shell/session.h"

namespace passes {

void nineteenthHgfAdv(Session&) {}

}  // namespace passes
