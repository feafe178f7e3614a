#include "routines/classify.h"

#include <array>

#include "forms/convert.h"
#include "panels/frm5help.h"
#include "shell/session.h"

namespace routines {

namespace {

constexpr std::array<bool, 37> RedTable = [] {
    std::array<bool, 37> t{};
    for (int n : {1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36}) t[n] = true;
    return t;
}();

bool inWheel(int n) { return n >= 1 && n <= 36; }

}  // namespace

bool isRed(int n) { return inWheel(n) && RedTable[n]; }
bool isBlack(int n) { return inWheel(n) && !RedTable[n]; }
bool isLow(int n) { return n >= 1 && n <= 18; }
bool isHigh(int n) { return n >= 19 && n <= 36; }
bool isOdd(int n) { return inWheel(n) && n % 2 == 1; }
bool isEven(int n) { return inWheel(n) && n % 2 == 0; }

std::string_view dozenClass(int n) {
    if (n == 0) return "0";
    if (!inWheel(n)) return "";
    return n <= 12 ? "L" : n <= 24 ? "M" : "H";
}

int columnClass(int n) { return inWheel(n) ? (n - 1) % 3 + 1 : 0; }

int sixth(int n) {
    if (n > 30) return 5;
    if (n > 24) return 4;
    if (n > 18) return 3;
    if (n > 12) return 2;
    if (n > 6) return 1;
    if (n > 0) return 0;
    return 6;
}

int colourClass(int n) { return isRed(n) ? 1 : isBlack(n) ? 2 : 0; }

std::string_view lhm_check(Session& s, int n) {
    std::string_view c = dozenClass(n);
    if (c == "L") s.st.l_ll += 1;
    else if (c == "M") s.st.l_mm += 1;
    else if (c == "H") s.st.l_hh += 1;
    return c;
}

void lhm_check2(Session& s, std::string_view spin) {
    std::string_view c = dozenClass(spinOf(spin));
    if (c == "L") s.st.l_ll2 += 1;
    else if (c == "M") s.st.l_mm2 += 1;
    else if (c == "H") s.st.l_hh2 += 1;
}

void col_check(Session& s, std::string_view spin) {
    switch (columnClass(spinOf(spin))) {
        case 1: s.st.l_1col += 1; break;
        case 2: s.st.l_2col += 1; break;
        case 3: s.st.l_3col += 1; break;
        default: break;
    }
}

int col_check2(std::string_view spin) { return columnClass(spinOf(spin)); }

int br_check18th(std::string_view spin) { return colourClass(spinOf(spin)); }

std::string br_br18th(Session& s, std::string_view spin) {
    int n = spinOf(spin);
    if (n == 0) return "0";
    if (!inWheel(n)) return "";
    auto& box = s.frm5help().Text1[4];
    if (isRed(n)) {
        box.setBackColor(forms::colors::Red);
        return "R";
    }
    box.setBackColor(forms::colors::Black);
    return "B";
}

}  // namespace routines
