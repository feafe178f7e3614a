// Small helpers the second pass's systems share: figures shown from variables, settings read
// once per distinct text, and stakes kept within range.
#pragma once

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "forms/convert.h"
#include "forms/form.h"

namespace passes {

// A figure read from a caption; 0 for one that is no number.
inline int64_t shownInt(const std::string& t) { return forms::toInt(t).value_or(0); }

// A decimal setting converted once per distinct text; the text rarely changes between spins.
inline std::optional<double> shareSetting(const std::string& text) {
    static std::string last;
    static std::optional<double> value;
    if (last != text) {
        last = text;
        value = forms::toDouble(text);
    }
    return value;
}

// A variable that nothing has set yet shows "".
inline void showVar(forms::Control& c, const forms::Var& v) {
    if (v.empty())
        c.setText("");
    else
        c.setNumber(v.value());
}

// A stake worked out from a result and a share: Round(|cwin| x share), halves to even, kept
// within what a session's bookings can hold (a share typed in the thousands would otherwise
// overflow after a few runs).
inline constexpr int64_t StakeCap = 1'000'000'000'000;
inline int64_t lossShareStake(int64_t cwin, double share) {
    // Worked out in doubles: |AmountMin| and an infinite share have no 64-bit product to wrap.
    const double x = forms::roundEven(std::fabs(static_cast<double>(cwin)) * share);
    if (std::isnan(x)) return 0;  // an infinite share of a zero result
    if (x > static_cast<double>(StakeCap)) return StakeCap;
    if (x < -static_cast<double>(StakeCap)) return -StakeCap;
    return static_cast<int64_t>(x);
}

}  // namespace passes
