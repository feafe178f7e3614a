// The FAST panel's own actions: the NICHE and Twins resets, the default twin numbers, the "Start
// Game" switch of the 28Fass engine, the Twins progression selectors, the bankroll box and the
// "Lspin" box whose every write runs the engine.
#pragma once

#include <string_view>

class Session;
class Frm6fast;

namespace fast {

// Runs the 28Fass engine on the history and the panel's boxes and shows what it returns.
void runFass28(Session& s);

// Writes the newest spin into "Lspin" and runs the engine, also when the text is already there
// (the same number twice raises no change).
void writeLastSpin(Session& s, std::string_view text);

void Command1_Click(Session& s);           // "Cls21"
void Command2_Click(Session& s);           // "Cls25"
void Command3_Click(Session& s);           // "Gns"
void Check1_Click(Session& s);             // "Start Game"
void Label5_Click(Session& s, int index);  // a Twins progression selector
void Text1_Change(Session& s, int index);  // the bankroll boxes
void Text2_Change(Session& s, int index);  // the 28Fass boxes

// Wires the handlers above and the numbers-file buttons, then does the panel's load.
void attachFastActions(Session& s, Frm6fast& f);

}  // namespace fast
