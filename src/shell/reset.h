// "Reset": clears the history and the systems block by block, each block under its own switch.
#pragma once

class Session;

namespace shell {

void Command2_Click(Session& s);

}  // namespace shell
