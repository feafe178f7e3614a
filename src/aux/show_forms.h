// The main window's two procedures that open the auxiliary windows; nothing calls them.
#pragma once

class Session;

namespace aux {

void ShowForm1(Session& s);
void ShowForm2(Session& s);

}  // namespace aux
