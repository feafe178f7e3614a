// The column systems of the TCh window and The Edge, run once per second pass after the TCh board.
#pragma once

class Session;

namespace edge {

void Command9_Click(Session& s);

}  // namespace edge
