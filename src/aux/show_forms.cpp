#include "aux/show_forms.h"

#include "aux/form1.h"
#include "aux/form2.h"
#include "shell/session.h"

namespace aux {

void ShowForm1(Session& s) { s.form1().show(); }
void ShowForm2(Session& s) { s.form2().show(); }

}  // namespace aux
