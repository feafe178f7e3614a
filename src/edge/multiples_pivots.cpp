#include "edge/sections.h"

#include "shell/session.h"

namespace edge {

void multiplesAndPivots(Session&) {}

}  // namespace edge
