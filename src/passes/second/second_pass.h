// The second spin pass, run after every accepted spin.
#pragma once

class Session;

namespace passes {

void Command4_Click(Session& s);

}  // namespace passes
