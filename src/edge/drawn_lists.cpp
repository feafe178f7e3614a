#include "edge/sections.h"

#include "shell/session.h"

namespace edge {

void drawnThreeList(Session&) {}
void drawnFiveLists(Session&) {}

}  // namespace edge
