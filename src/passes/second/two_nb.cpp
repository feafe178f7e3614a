#include "passes/second/two_nb.h"

#include "forms/convert.h"
#include "passes/second/systems.h"
#include "routines/ladders.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

namespace passes {

TwoNbStep twoNbStep(int64_t count) {
    const int64_t next = count > 40 ? 0 : count + 1;
    return {next, routines::f_2nbprog60(next)};
}

void twoNbProg(Session& s) {
    auto& f = s.frm1basic();
    if (f.Label9.foreColor() != forms::colors::Green) return;
    const TwoNbStep step = twoNbStep(s.st.i_2nbcnt);
    s.st.i_2nbcnt = step.count;
    s.st.i_2nbvalue = step.stake;
    f.Label10[0].setNumber(int64_t{step.stake});
    f.Label10[1].setNumber(step.count);
}

}  // namespace passes
