// What the "TCh" window does on the player's own clicks.
#pragma once

class Session;

namespace panels::tch {

// "Cls": spreads the common limit over the eleven sleep limits (only a whole number is spread)
// and takes the street gap limit anew.
void Command1_Click(Session& s);
// "Re": raises the multiplier and, from two different non-zero spins, derives three numbers.
void Command2_Click(Session& s);
// "Go": the focus goes back to the entry box.
void Check1_Click(Session& s);
// Any label: toggles the count switch and shows the last three spins on it.
void Label1_Click(Session& s, int index);
// Any box: counts the click into the addend of "Re".
void Text1_Click(Session& s, int index);

// The street gap limit `i_22plcnt` from box 201; a box that holds no number changes nothing.
// The main window's load and "Cls" take it through here.
void loadStreetGapLimit(Session& s);

}  // namespace panels::tch
