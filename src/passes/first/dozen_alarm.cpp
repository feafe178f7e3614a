#include "passes/first/systems.h"

#include "shell/session.h"

namespace passes {

void dozenAlarm(Session&) {}

}  // namespace passes
