// Small helpers the Edge sections share: the newest spin, whole-number boxes and writes that
// build a text only when the box shows another figure.
#pragma once

#include <cmath>
#include <cstdint>
#include <optional>
#include <string_view>

#include "forms/convert.h"
#include "forms/form.h"

namespace edge {

// The spin of a history row, 0..36; nullopt for an empty row or anything else.
inline std::optional<int> spinIn(const forms::Control& row) {
    const std::string& t = row.text();
    if (t.empty()) return std::nullopt;
    auto n = forms::toInt(t);
    if (!n || *n < 0 || *n > 36) return std::nullopt;
    return *n;
}

// A typed box holding a whole number ("49", "-3", "10,0"); nullopt for "49,5", "" or letters.
inline std::optional<int64_t> wholeNumber(std::string_view t) {
    auto d = forms::toDouble(t);
    if (!d || !std::isfinite(*d) || *d != std::trunc(*d) || std::fabs(*d) > 9.0e15) return std::nullopt;
    return static_cast<int64_t>(*d);
}

// Whether t is exactly how numText writes v (no sign, no leading zero, nothing else).
inline bool showsNumber(std::string_view t, int64_t v) {
    if (t.empty() || t.size() > 18) return false;
    bool neg = t[0] == '-';
    size_t i = neg ? 1 : 0;
    if (i == t.size() || (t[i] == '0' && (neg || t.size() > 1))) return false;
    int64_t x = 0;
    for (; i < t.size(); ++i) {
        unsigned d = static_cast<unsigned>(static_cast<unsigned char>(t[i]) - '0');
        if (d > 9) return false;
        x = x * 10 + static_cast<int64_t>(d);
    }
    return (neg ? -x : x) == v;
}

// The box shows v afterwards; its text is built only when it showed another figure.
inline void show(forms::Control& c, int64_t v) {
    if (!showsNumber(c.text(), v)) c.setNumber(v);
}

}  // namespace edge
