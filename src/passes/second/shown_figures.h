// Figures shown in boxes and captions. Most of them do not change from one spin to the next, so
// the text is formatted into a stack buffer and compared before anything is assigned.
#pragma once

#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "forms/convert.h"
#include "forms/form.h"

namespace passes {

// Short texts compared in place (a library call costs more than the comparison).
inline bool sameText(const std::string& a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < b.size(); ++i)
        if (a[i] != b[i]) return false;
    return true;
}

// The same text as forms::numText(v), written only when it differs.
inline void showInt(forms::Control& c, int64_t v) {
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    const std::string_view t(buf, static_cast<size_t>(r.ptr - buf));
    if (!sameText(c.text(), t)) c.setText(t);
}

inline void showBack(forms::Control& c, forms::Color colour) {
    if (c.backColor() != colour) c.setBackColor(colour);
}

// A figure as the caption shows it: "0" and one-digit texts read in place.
inline int64_t shownInt(const std::string& t) {
    if (t.size() == 1 && t[0] >= '0' && t[0] <= '9') return t[0] - '0';
    return forms::toInt(t).value_or(0);
}

// A decimal setting converted once per distinct text; the text rarely changes between spins.
inline std::optional<double> shareSetting(const std::string& text) {
    static std::string last;
    static std::optional<double> value;
    if (!sameText(last, text)) {
        last = text;
        value = forms::toDouble(text);
    }
    return value;
}

inline void showNumber(forms::Control& c, double v) {
    if (v == static_cast<double>(static_cast<int64_t>(v)) && v > -1e15 && v < 1e15) {
        showInt(c, static_cast<int64_t>(v));
        return;
    }
    const auto cur = forms::toDouble(c.text());
    if (!cur || *cur != v) c.setNumber(v);
}

// A variable that nothing has set yet shows "".
inline void showVar(forms::Control& c, const forms::Var& v) {
    if (v.empty())
        c.setText("");
    else
        showNumber(c, v.value());
}

// Sums of stakes and results: past the 64-bit range they stay at its end instead of wrapping.
inline int64_t satAdd(int64_t a, int64_t b) {
    int64_t r;
    if (__builtin_add_overflow(a, b, &r)) return b > 0 ? INT64_MAX : INT64_MIN;
    return r;
}

// A stake worked out from a result and a share: Round(|cwin| x share), halves to even, kept
// within what a session's bookings can hold (a share typed in the thousands would otherwise
// overflow after a few runs).
inline constexpr int64_t StakeCap = 1'000'000'000'000;
inline int64_t lossShareStake(int64_t cwin, double share) {
    const double x = forms::roundEven((cwin < 0 ? -static_cast<double>(cwin) : static_cast<double>(cwin)) * share);
    if (std::isnan(x)) return 0;
    if (x > static_cast<double>(StakeCap)) return StakeCap;
    if (x < -static_cast<double>(StakeCap)) return -StakeCap;
    return static_cast<int64_t>(x);
}

}  // namespace passes
