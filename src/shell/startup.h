// The main window's load handler: start values, the windows it loads hidden, the wheel sectors.
#pragma once

class Session;

namespace shell {

void Form_Load(Session& s);

}  // namespace shell
