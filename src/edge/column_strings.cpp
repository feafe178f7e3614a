#include "edge/sections.h"

#include "shell/session.h"

namespace edge {

void columnSystem2(Session&) {}
void columnDisplay(Session&) {}

}  // namespace edge
