#include "edge/sections.h"

#include "shell/session.h"

namespace edge {

void edgeProgressions(Session&) {}

}  // namespace edge
