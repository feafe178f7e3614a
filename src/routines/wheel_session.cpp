#include "routines/state_value.h"
#include "routines/wheel.h"
#include "shell/session.h"

namespace routines {

namespace {

void store(Session& s, const std::optional<std::array<int, 4>>& four) {
    if (!four) return;
    setInt(s.st.i_cycrnd1, (*four)[0]);
    setInt(s.st.i_cycrnd2, (*four)[1]);
    setInt(s.st.i_cycrnd3, (*four)[2]);
    setInt(s.st.i_cycrnd4, (*four)[3]);
}

}  // namespace

void f_4nbCycleRound(Session& s, int64_t i0) { store(s, f_4nbCycleRound(i0)); }
void f_4nbCycleRoundExperience(Session& s, int64_t i0) { store(s, f_4nbCycleRoundExperience(i0)); }

}  // namespace routines
