#include "edge/sections.h"

#include "shell/session.h"

namespace edge {

void columnSystem1(Session&) {}

}  // namespace edge
