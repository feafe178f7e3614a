#include <optional>

#include "forms/convert.h"
#include "routines/state_value.h"
#include "routines/trackers.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

namespace routines {

namespace {

struct Rows {
    int64_t s1, s2, row3;
};

// The spins the tracker books; nullopt when row 2 or row 1 is not a number.
std::optional<Rows> readRows(Session& s, std::string_view s1, std::string_view s2) {
    const auto p = forms::toInt(s1);
    const auto n = forms::toInt(s2);
    if (!p || !n) return std::nullopt;
    // An empty row 3, or one that is no number, is on no side.
    const int64_t t = forms::toInt(s.frm1basic().Text1[3].text()).value_or(0);
    return Rows{*p, *n, t};
}

template <typename A, typename B, typename Track>
void track(Session& s, std::string_view s1, std::string_view s2, A& a, B& b, Track&& tracker) {
    const auto rows = readRows(s, s1, s2);
    if (!rows) return;
    const EvenChancePair after = tracker(EvenChancePair{asInt(a), asInt(b)}, *rows);
    setIfChanged(a, after.a);
    setIfChanged(b, after.b);
}

}  // namespace

void br_check(Session& s, std::string_view s1, std::string_view s2) {
    auto& f = s.frm1basic();
    const bool same = f.Text1[2].foreColor() == f.Text1[3].foreColor();
    track(s, s1, s2, s.st.l_red, s.st.l_black, [same](EvenChancePair st, const Rows& r) {
        return br_check(st, r.s1, r.s2, r.row3, same);
    });
}

void hl_check(Session& s, std::string_view s1, std::string_view s2) {
    track(s, s1, s2, s.st.l_low, s.st.l_high, [](EvenChancePair st, const Rows& r) {
        return hl_check(st, r.s1, r.s2, r.row3);
    });
}

void oe_check(Session& s, std::string_view s1, std::string_view s2) {
    track(s, s1, s2, s.st.l_odd, s.st.l_even, [](EvenChancePair st, const Rows& r) {
        return oe_check(st, r.s1, r.s2, r.row3);
    });
}

}  // namespace routines
