// "Form2": the next value of a linear congruential generator, Rn = (a.Rn-1 + c) mod m.
#pragma once

#include <cstdint>
#include <optional>

#include "forms/form.h"

class Session;

class Form2 : public forms::Form {
public:
    Form2();

    forms::ControlArray& Text1 = makeArray(forms::Kind::TextBox, "Text1");   // a, c, m, Rn-1, Rn
    forms::ControlArray& Label1 = makeArray(forms::Kind::Label, "Label1");
    forms::Control& Command1 = makeControl(forms::Kind::CommandButton, "Command1");

    // The last inputs and result.
    int64_t a = 0, c = 0, m = 0, rn = 0, rn1 = 0;
};

// (a * rn1 + c) mod m, the remainder taking the dividend's sign; nullopt for m = 0. The boxes
// hold 32-bit figures, so the sum fits 64 bits.
std::optional<int64_t> nextValue(int32_t a, int32_t rn1, int32_t c, int32_t m);

void attachForm2(Session& s, Form2& f);
