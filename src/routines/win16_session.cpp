#include "forms/convert.h"
#include "panels/frm3hgf.h"
#include "routines/win16.h"
#include "shell/session.h"

namespace routines {

int64_t win16(Session& s, int64_t nbr, std::string_view dozen, bool bcyc, int64_t bbet16) {
    const auto unit = forms::toInt(s.frm3hgf().Text10[bcyc ? 4 : 3].text());
    return unit ? win16(nbr, dozen, bcyc, bbet16, *unit) : 0;
}

}  // namespace routines
