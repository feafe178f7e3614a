// The TCh board: books the newest spin on every row of the "TCh" window.
#pragma once

class Session;

namespace tch {

void Command8_Click(Session& s);

}  // namespace tch
