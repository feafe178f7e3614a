// Reads and writes of a state field as a whole number, whether the field is a Var (a variant
// that may have no value yet) or a plain integer.
#pragma once

#include <concepts>
#include <cstdint>

#include "forms/amounts.h"
#include "forms/convert.h"

namespace routines {

// A variant holding a booked amount at the end of the range reads back as that end: the highest
// amount is 2^63 as a double, one past what 64 bits hold.
inline int64_t asInt(const forms::Var& v) {
    const double d = v.value();
    if (d >= 0x1p63) return forms::AmountMax;
    if (d >= -0x1p63) return static_cast<int64_t>(d);
    return d < 0 ? forms::AmountMin : 0;  // below the range, or not a number
}
template <std::integral T>
int64_t asInt(T v) {
    return static_cast<int64_t>(v);
}

inline void setInt(forms::Var& v, int64_t x) { v = x; }
template <std::integral T>
void setInt(T& v, int64_t x) {
    v = static_cast<T>(x);
}

// A field the routine leaves at its value keeps "no value yet".
template <typename F>
void setIfChanged(F& field, int64_t x) {
    if (asInt(field) != x) setInt(field, x);
}

}  // namespace routines
