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

// An optional "-" and at most 15 digits, read into v; false for anything else.
inline bool plainDigits(std::string_view t, int64_t& v) {
    bool neg = !t.empty() && t[0] == '-';
    size_t i = neg ? 1 : 0;
    if (i == t.size() || t.size() - i > 15) return false;
    int64_t x = 0;
    for (; i < t.size(); ++i) {
        unsigned d = static_cast<unsigned>(static_cast<unsigned char>(t[i]) - '0');
        if (d > 9) return false;
        x = x * 10 + static_cast<int64_t>(d);
    }
    v = neg ? -x : x;
    return true;
}

// Whether t is exactly how numText writes v (no "+", no leading zero, no "-0").
inline bool showsNumber(std::string_view t, int64_t v) {
    int64_t x = 0;
    if (!plainDigits(t, x) || x != v) return false;
    size_t i = t[0] == '-' ? 1 : 0;
    return t[i] != '0' || (i == 0 && t.size() == 1);
}

// A typed box's number: plain digits are read in place, anything else by the one conversion.
inline std::optional<double> numberIn(std::string_view t) {
    int64_t v = 0;
    if (plainDigits(t, v)) return static_cast<double>(v);
    return forms::toDouble(t);
}

// A typed box holding a whole number ("49", "-3", "10,0"); nullopt for "49,5", "" or letters.
inline std::optional<int64_t> wholeNumber(std::string_view t) {
    int64_t v = 0;
    if (plainDigits(t, v)) return v;
    auto d = forms::toDouble(t);
    if (!d || !std::isfinite(*d) || *d != std::trunc(*d) || std::fabs(*d) > 9.0e15) return std::nullopt;
    return static_cast<int64_t>(*d);
}

// The box shows v afterwards; its text is built only when it showed another figure.
inline void show(forms::Control& c, int64_t v) {
    if (!showsNumber(c.text(), v)) c.setNumber(v);
}

// A figure that moved since the last spin; boxes start with the text of the start values.
inline void showMoved(forms::Control& c, int64_t before, int64_t after) {
    if (before != after) c.setNumber(after);
}

// A sleep count: above 0 it rose this spin, and 0 is compared as text.
inline void showCount(forms::Control& c, int64_t v) {
    if (v == 0) c.setText("0");
    else c.setNumber(v);
}

}  // namespace edge
