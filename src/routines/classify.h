// The classes of a spin: dozen, column, six-line and colour, plus the routines that also count
// a spin into the session.
#pragma once

#include <string>
#include <string_view>

#include "forms/convert.h"

class Session;

namespace routines {

// Zero and anything outside 0..36 belong to no class of 1..36.
bool isRed(int n);
bool isBlack(int n);
bool isLow(int n);   // 1-18
bool isHigh(int n);  // 19-36
bool isOdd(int n);
bool isEven(int n);

// A spin given as text: its number, or -1 when the text is no number (out of range everywhere).
inline int spinOf(std::string_view text) { return forms::toInt(text).value_or(-1); }

// "0", "L", "M", "H"; "" outside 0..36.
std::string_view dozenClass(int n);
// 1, 2, 3; 0 for zero and outside 0..36.
int columnClass(int n);
// Six-line 0..5, 6 for zero and below; above 36 gives 5.
int sixth(int n);
// 1 red, 2 black, 0 for zero and outside 0..36.
int colourClass(int n);


std::string_view lhm_check(Session& s, int n);              // counts into l_ll, l_mm, l_hh
inline std::string lhm_check(Session& s, std::string_view spin) { return std::string(lhm_check(s, spinOf(spin))); }
void lhm_check2(Session& s, std::string_view spin);         // counts into l_ll2, l_mm2, l_hh2
void col_check(Session& s, std::string_view spin);          // counts into l_1col, l_2col, l_3col
int col_check2(std::string_view spin);
int br_check18th(std::string_view spin);
// "R", "B", "0" or ""; paints the statistics window's Text1(4) red or black.
std::string br_br18th(Session& s, std::string_view spin);

}  // namespace routines
