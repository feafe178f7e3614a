#include "tch/board.h"

#include "shell/session.h"

namespace tch {

void Command8_Click(Session&) {}

}  // namespace tch
