#include "edge/sections.h"

#include "shell/session.h"

namespace edge {

void partnerNumbers(Session&) {}
void fiveNumberProgression(Session&) {}

}  // namespace edge
