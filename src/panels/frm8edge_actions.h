// What "The Edge" does on the player's own clicks.
#pragma once

class Session;

namespace panels::edge {

// A progression switch: grey turns green (on), any other colour grey (off); the focus goes back
// to the entry box. The caption and the step stay for the spin pass.
void Label2_Click(Session& s, int index);

}  // namespace panels::edge
