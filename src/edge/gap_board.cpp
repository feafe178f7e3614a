#include "edge/sections.h"

#include "shell/session.h"

namespace edge {

void edgeGapBoard(Session&) {}

}  // namespace edge
