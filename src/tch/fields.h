// A row's figures live in named session variables of different kinds: plain whole numbers, and
// variables that start "not set" (shown as "", counted as 0). Num reaches either kind, so one
// engine serves every row of a family.
#pragma once

#include <cstdint>

#include "forms/convert.h"
#include "state/tch_state.h"

namespace tch {

using St = state::TchBoardState;

class Num {
public:
    Num() = default;
    Num(int64_t& i) : i_(&i) {}      // NOLINT: bound from a field
    Num(forms::Var& v) : v_(&v) {}   // NOLINT
    int64_t get() const { return i_ ? *i_ : static_cast<int64_t>(v_->value()); }
    void set(int64_t x) {
        if (i_) *i_ = x;
        else *v_ = forms::Var(x);
    }

private:
    int64_t* i_ = nullptr;
    forms::Var* v_ = nullptr;
};

// A field of the board's state by name: a plain number or one that starts not set.
struct NumField {
    int64_t St::*plain = nullptr;
    forms::Var St::*unset = nullptr;
    constexpr NumField(int64_t St::*p) : plain(p) {}     // NOLINT
    constexpr NumField(forms::Var St::*v) : unset(v) {}  // NOLINT
    Num in(St& st) const { return plain ? Num(st.*plain) : Num(st.*unset); }
};

}  // namespace tch
