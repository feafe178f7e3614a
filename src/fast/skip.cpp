#include "fast/skip.h"

#include <initializer_list>

#include "forms/convert.h"
#include "routines/wheel.h"

namespace fast {

int calc_skip(int64_t val1, int64_t val2) {
    if (val1 == val2) return 0;
    const int a = routines::oppositePairIndex(val1);
    const int b = routines::oppositePairIndex(val2);
    if (a < b) return b - a;
    if (a > b) return 18 - a + b;
    return 0;
}

int FASS_numbers(int64_t val3) {
    switch (val3) {
        case 1: case 2: case 3: case 5: case 8: case 13: case 16: return 1;
        default: return 0;
    }
}

FassCounts FASS_check(FassCounts c, int64_t val4, std::string_view s) {
    if (s == "LOW") {
        switch (val4) {
            case 1: ++c.l_1; break;
            case 2: ++c.l_2; break;
            case 3: ++c.l_3; break;
            case 5: ++c.l_5; break;
            case 8: ++c.l_8; break;
            default: break;
        }
    } else {
        switch (val4) {
            case 8: ++c.l_8; break;
            case 13: ++c.l_13; break;
            case 16: ++c.l_16; break;
            default: break;
        }
    }
    return c;
}

namespace {

bool open(const FassSelection& sel) { return sel.l_counter < 2; }

FassSelection choose(FassSelection sel, int value) {
    sel.s_string.append("|").append(forms::numText(value)).append("|");
    ++sel.l_counter;
    return sel;
}

// One test of a chain: a count equal to the counter's value chooses the counter's FASS value.
struct Link {
    int64_t count;
    int value;
    bool needsOpen;
};

// An if / else-if chain: the first link whose count equals val wins, even when it is not open.
FassSelection chain(FassSelection sel, int64_t val, std::initializer_list<Link> links) {
    for (const Link& l : links) {
        if (val != l.count) continue;
        return l.needsOpen && !open(sel) ? sel : choose(sel, l.value);
    }
    return sel;
}

// The first stage: each absent value is tested on its own.
FassSelection chooseAbsent(FassSelection sel, std::initializer_list<Link> links) {
    for (const Link& l : links)
        if (l.count == 0 && (!l.needsOpen || open(sel))) sel = choose(sel, l.value);
    return sel;
}

}  // namespace

FassSelection sealow_0(FassSelection sel, int64_t val1, int64_t val2, int64_t val3, int64_t val4, int64_t val5) {
    if (val1 == 0) sel = choose(FassSelection{"", sel.l_counter}, 8);  // the 8 sets the text, not appends
    return chooseAbsent(sel, {{val2, 5, false}, {val3, 3, true}, {val4, 2, true}, {val5, 1, true}});
}

FassSelection seahigh_0(FassSelection sel, int64_t val1, int64_t val2, int64_t val3) {
    if (val1 == 0) sel = choose(FassSelection{"", sel.l_counter}, 16);
    return chooseAbsent(sel, {{val2, 13, false}, {val3, 8, true}});
}

FassSelection sealow_00(FassSelection sel, const FassCounts& c, int64_t val1, int64_t val2) {
    sel = chain(sel, val1, {{c.l_8, 8, false}, {c.l_5, 5, false}, {c.l_3, 3, true}, {c.l_2, 2, true}, {c.l_1, 1, true}});
    if (!open(sel)) return sel;
    if (val2 == c.l_8) return choose(sel, sel.s_string != "|8|" ? 8 : 5);
    return chain(sel, val2, {{c.l_5, 5, true}, {c.l_3, 3, true}, {c.l_2, 2, true}, {c.l_1, 1, true}});
}

FassSelection seahigh_00(FassSelection sel, const FassCounts& c, int64_t val1, int64_t val2) {
    sel = chain(sel, val1, {{c.l_16, 16, false}, {c.l_13, 13, false}, {c.l_8, 8, true}});
    if (!open(sel)) return sel;
    if (val2 == c.l_16) return choose(sel, sel.s_string != "|16|" ? 16 : 13);
    if (val2 == c.l_13) return choose(sel, sel.s_string != "|13|" ? 13 : 8);
    return chain(sel, val2, {{c.l_8, 8, true}});
}

FassSelection sealow_01(FassSelection sel, const FassCounts& c, int64_t val1) {
    return chain(sel, val1, {{c.l_8, 8, false}, {c.l_5, 5, true}, {c.l_3, 3, true}, {c.l_2, 2, true}, {c.l_1, 1, true}});
}

FassSelection seahigh_01(FassSelection sel, const FassCounts& c, int64_t val1) {
    return chain(sel, val1, {{c.l_16, 16, false}, {c.l_13, 13, true}, {c.l_8, 8, true}});
}

}  // namespace fast
