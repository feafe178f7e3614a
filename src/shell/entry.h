// The main window's number column: entry of the next spin and colouring of the history.
#pragma once

#include "forms/form.h"

class Session;

namespace shell {

// The text colour of a spin: zero green, red numbers red, black numbers system colour 0.
forms::Color spinTextColor(int n);

void Text1_KeyPress(Session& s, int index, int& key);
void Text1_Change(Session& s, int index);
void Text1_Change(Session& s, forms::Control& box);  // box is one of the history rows
void Text1_Click(Session& s, int index);
void Text5_Change(Session& s);

}  // namespace shell
