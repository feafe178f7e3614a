// Streets: the table rows {3s-2, 3s-1, 3s}, s = 1..12; zero is in none. The 7th system keeps
// its numbers to bet as decimal texts joined by ",".
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

class Session;

namespace routines {

// Street 1..12 of a number; 0 for zero and negatives. Numbers above 36 count as street 12.
int getstreet(int64_t lastSpin);

// The three numbers of a street, or -1, -1, -1 for anything outside 1..12.
std::array<int, 3> streetTrio(int64_t street);

// The two other numbers of lastSpin in thisStreet, in table order; nullopt when it is not there.
std::optional<std::pair<int, int>> findtwonbrs(int64_t thisStreet, int64_t lastSpin);

// sbet without the numbers of lastSpin's street (and without its empty items).
std::string rem_twonbrs(int64_t lastSpin, std::string_view sbet);

// 1 when sbet holds a street partner of lastSpin, 2 when it holds items but none is one,
// 0 when it is empty. Items compare as text: "05" is not 5.
int add_twonbrs(int64_t lastSpin, std::string_view sbet);

// sBet with the two other numbers of 1, 2, 3 appended for n = 1, 2, 3; unchanged otherwise.
std::string marosti_add(int64_t n, std::string_view sBet);

// On the 7th system's state: the partners into i_num1 / i_num2 (unchanged when lastSpin is not
// in the street), the list without the street into s_bet, and the 1-2-3 append to s_bet (text
// that is not a number appends nothing).
void findtwonbrs(Session& s, int64_t thisStreet, int64_t lastSpin);
void rem_twonbrs(Session& s, int64_t lastSpin, std::string_view sbet);
void marosti_add(Session& s, std::string_view s1);

}  // namespace routines
