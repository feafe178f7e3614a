#include "passes/second/second_pass.h"

#include "shell/session.h"

namespace passes {

void Command4_Click(Session&) {}

}  // namespace passes
