#include "forms/convert.h"
#include "routines/state_value.h"
#include "routines/streets.h"
#include "shell/session.h"

namespace routines {

void findtwonbrs(Session& s, int64_t thisStreet, int64_t lastSpin) {
    if (const auto partners = findtwonbrs(thisStreet, lastSpin)) {
        setInt(s.st.i_num1, partners->first);
        setInt(s.st.i_num2, partners->second);
    }
}

void rem_twonbrs(Session& s, int64_t lastSpin, std::string_view sbet) {
    s.st.s_bet = rem_twonbrs(lastSpin, sbet);
}

void marosti_add(Session& s, std::string_view s1) {
    if (const auto n = forms::toInt(s1)) s.st.s_bet = marosti_add(*n, s.st.s_bet);
}

}  // namespace routines
