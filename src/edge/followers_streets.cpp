#include "edge/sections.h"

#include "shell/session.h"

namespace edge {

void Command10_Click(Session&) {}

}  // namespace edge
