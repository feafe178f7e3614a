#include "edge/column_systems.h"

#include <algorithm>
#include <cmath>

#include "forms/amounts.h"
#include "forms/convert.h"
#include "routines/classify.h"
#include "routines/ladder_table.h"
#include "routines/ladders.h"
#include "routines/wheel.h"

namespace edge {

namespace {

int colOf(Row r) { return r ? routines::columnClass(*r) : 0; }

template <typename T, typename U>
void keepMin(T& m, U v) { if (static_cast<int64_t>(v) < static_cast<int64_t>(m)) m = static_cast<T>(v); }
template <typename T, typename U>
void keepMax(T& m, U v) { if (static_cast<int64_t>(v) > static_cast<int64_t>(m)) m = static_cast<T>(v); }

// The three string counters of column system 2, read and written as whole numbers.
struct StringCounters {
    state::TchColumnState& st;
    int64_t get(int c) const {
        switch (c) {
            case 1: return static_cast<int64_t>(st.i_colstr1.value());
            case 2: return static_cast<int64_t>(st.i_colstr2.value());
            default: return st.i_colstr3;
        }
    }
    void set(int c, int64_t v) const {
        switch (c) {
            case 1: st.i_colstr1 = v; break;
            case 2: st.i_colstr2 = v; break;
            default: st.i_colstr3 = forms::satNarrow(v); break;
        }
    }
    // One spin of column c lengthens its string and ends the others; zero ends all three.
    void count(int c) const {
        for (int k = 1; k <= 3; ++k) set(k, k == c ? get(k) + 1 : 0);
    }
};

}  // namespace

int columnSystem1Step(state::TchColumnState& st, Row t1, Row t2, Row t3) {
    if (st.i_27progcnt == 0 && t1 && t2) {
        if (colOf(t1) != colOf(t2)) st.i_27zikzakcnt += 1;
        else st.i_27zikzakcnt = 0;
    }
    if (st.i_27zikzakcnt < 1 || !t1) return 0;

    int caption = 0;
    bool* flags[3] = {&st.b_27col1pl, &st.b_27col2pl, &st.b_27col3pl};
    const int c = colOf(t1);
    for (int k = 1; k <= 3; ++k) {
        if (!*flags[k - 1]) continue;
        if (c == k) {
            st.l_27cwintot += 2 * st.i_27bbet;
            st.l_27cwinsess = 0;
            st.i_27bbet = 1;
            *flags[k - 1] = false;
            st.i_27progcnt = 0;
            st.i_27zikzakcnt = 0;
        } else {
            st.l_27cwinsess = forms::satNarrow(st.l_27cwinsess - st.i_27bbet);  // a 32-bit field: stays at its end
            st.l_27cwintot -= st.i_27bbet;
            if (c != 0) {
                *flags[k - 1] = false;
                *flags[c - 1] = true;
                caption = c;
            }
            st.i_27progcnt += 1;
            st.i_27bbet = routines::f_1colprog10rn(st.i_27progcnt);
        }
        break;
    }

    const bool betting = st.b_27col1pl || st.b_27col2pl || st.b_27col3pl;
    if (t1 && t2 && t3 && !betting && c >= 1) {
        const int c2 = colOf(t2);
        if (c2 != c && c2 != 0) {
            *flags[c - 1] = true;
            st.i_27progcnt = 1;
            st.i_27bbet = 1;
            caption = c;
        }
    }
    keepMax(st.i_27progcntmax, forms::satNarrow(st.i_27progcnt));
    return caption;
}

std::string_view columnSystem2Step(state::TchColumnState& st, const std::string& t1, const std::string& t2,
                                   Row c1, Row c2, Row c3) {
    StringCounters counters{st};
    if (!st.b_colstring) {
        st.i_colstring = 3;
        if (c3) {
            counters.count(colOf(c1));
            counters.count(colOf(c2));
            counters.count(colOf(c3));
        }
    } else {
        const int64_t stake = st.i_bbetcolstr27;
        if (t1 != t2 && t1 != "0") {
            st.l_cwcolstr27 += stake;
            keepMin(st.l_cwmincolstr27, st.l_cwcolstr27);
            keepMax(st.i_bbetmaxcolstr27, forms::satNarrow(stake));
            st.i_bbetcolstr27 = 1;
            st.b_colstring = false;
            if (const int c = colOf(c1); c != 0) counters.count(c);
        } else {
            st.l_cwcolstr27 -= 2 * stake;
            keepMin(st.l_cwmincolstr27, st.l_cwcolstr27);
            keepMax(st.i_bbetmaxcolstr27, forms::satNarrow(stake));
            st.i_bbetcolstr27 = stake < 20000 ? stake * 3 : 1;
            for (Row r : {c1, c2, c3}) {
                if (const int c = colOf(r); c != 0) {
                    counters.set(c, counters.get(c) + 1);
                    break;
                }
            }
        }
    }

    static constexpr std::string_view Captions[] = {"1C", "2C", "3C"};
    const double len = st.i_colstring.value();
    for (int c = 1; c <= 3; ++c) {
        if (static_cast<double>(counters.get(c)) >= len) {
            st.b_colstring = true;
            return Captions[c - 1];
        }
    }
    return "-";
}

void columnDisplayStep(state::TchColumnState& st) {
    keepMin(st.l_cwmincolstr27, st.l_cwcolstr27);
    keepMax(st.i_bbetmaxcolstr27, forms::satNarrow(st.i_bbetcolstr27));
    StringCounters counters{st};
    const int64_t a = counters.get(1), b = counters.get(2), c = counters.get(3);
    int64_t live = 0;
    if (a > 0 && b == 0 && c == 0) live = a;
    else if (b > 0 && a == 0 && c == 0) live = b;
    else if (c > 0 && a == 0 && b == 0) live = c;
    if (live > 0) st.ColumnStringFreq[static_cast<size_t>(routines::f_colstrFreq(live))] += 1;
}

int64_t unseenNumbersStep(state::TchNumberState& st, int n, std::optional<int64_t> limit) {
    auto& unseen = st.UnseenNumbers();
    if (limit && st.i_28cnt <= *limit) {
        int64_t staked = 0;
        for (int k = 1; k <= 36; ++k) staked += unseen[static_cast<size_t>(k)] != 38;
        st.i_28cnt2 = static_cast<int32_t>(staked);
        const bool hit = n >= 1 && n <= 36 && unseen[static_cast<size_t>(n)] == n;
        if (hit) {
            unseen[static_cast<size_t>(n)] = 38;
            st.l_28cwin += 36 * st.i_28bbet - staked * st.i_28bbet;
        } else {
            st.l_28cwin -= staked * st.i_28bbet;
        }
        st.i_28bbet = routines::LadderTable<routines::Ladder1nbCw87>::stake(st.i_28cnt);  // f_1nbprogCw87
    }
    const int64_t shown = st.i_28cnt2;
    st.i_28cnt2 = 0;
    st.i_28cnt += 1;
    keepMin(st.l_28cwinmin, forms::satNarrow(st.l_28cwin));
    return shown;
}

void partnerListStep(state::TchNumberState& st, const std::array<Row, 5>& rows, bool row13,
                     std::optional<double> limit, std::optional<int64_t> hgfSum) {
    for (int k = 1; k <= 4; ++k) st.PartnerList[static_cast<size_t>(k)].clear();
    if (!row13 || !limit || !hgfSum || !(*limit < static_cast<double>(*hgfSum))) return;
    for (int k = 1; k <= 5; ++k) {
        const Row r = rows[static_cast<size_t>(k - 1)];
        if (!r) return;  // row 13 holds a spin, so rows 1..5 do too
        char b[forms::NumTextMax];
        const int64_t partner = routines::f_select1nbFromAnother1(*r);
        st.PartnerList[static_cast<size_t>(k)].assign(b, forms::numTextTo(b, partner));
    }
}

std::string partnerCaption(const std::array<std::string, 7>& list) {
    std::string out;
    for (int k = 1; k <= 5; ++k) {
        const std::string& e = list[static_cast<size_t>(k)];
        if (e.empty()) return "-";
        if (k > 1) out += ' ';
        out += e;
    }
    return out;
}

void fiveNumberStep(state::TchNumberState& st, const std::string& t1, std::optional<int64_t> limit) {
    if (!limit) return;
    bool hit = false;
    if (st.i_cnt31st >= 0)
        for (int k = 1; k <= 5; ++k) hit = hit || st.PartnerBetList[static_cast<size_t>(k)] == t1;
    if (hit) {
        st.l_cwin31st += 31 * st.i_bbet31st;
        st.i_bbet31st = 1;
        st.i_cnt31st = -1;
        for (int k = 1; k <= 6; ++k) st.PartnerList[static_cast<size_t>(k)].clear();
    } else if (st.i_cnt31st >= 0) {
        st.i_cnt31st += 1;
        st.l_cwin31st -= 5 * st.i_bbet31st;
        st.i_bbet31st = routines::LadderTable<routines::Ladder5nb29>::stake(st.i_cnt31st);  // f_5nbprog29
        if (st.i_cnt31st > *limit) st.i_bbet31st = 0;
    }
    if (!st.PartnerList[4].empty() && st.i_cnt31st < 0) {
        st.i_cnt31st = 0;
        st.PartnerBetList = st.PartnerList;
    }
    keepMin(st.l_mincw31st, forms::satNarrow(st.l_cwin31st));
    keepMax(st.i_bbmax31st, st.i_bbet31st);
    keepMax(st.i_cntmax31st, forms::satNarrow(st.i_cnt31st));
}

void drawnThreeSettle(state::TchNumberState& st, int n, bool t3) {
    if (t3) {
        const double v = n;
        if (v == st.xi.value() || v == st.yi.value() || v == st.ni.value()) {
            st.l_cwin35 += 33 * st.i_bbet35;
            st.i_cntnon35 = 0;
            st.i_bbet35 = 1;
        } else {
            st.l_cwin35 -= 3 * st.i_bbet35;
            st.i_cntnon35 += 1;
            st.i_bbet35 = 1;
            keepMax(st.i_maxbbet35, st.i_bbet35);
        }
    }
    keepMin(st.l_mincwin35, st.l_cwin35);
    keepMax(st.i_maxcntnon35, st.i_cntnon35);
}

void drawnThreeDraw(state::TchNumberState& st, int n, const std::tm& now) {
    const auto r = static_cast<int64_t>(forms::roundEven(n * 11406.71485 + 1282.0163));
    const int64_t x = r % 36;
    const int64_t y = (static_cast<int64_t>(now.tm_hour) * n + now.tm_mday) % 36;
    st.xi = x;
    st.yi = y;
    st.ni = (x + y) % 36;
}

bool drawnFiveStep(state::TchNumberState& st, Row t1, bool t2, bool go) {
    const int n = t1.value_or(0);
    // Nothing is settled against a list that was never drawn.
    if (!st.X1.empty()) {
        const double v = n;
        if (v == st.X1.value() || v == st.X2.value() || v == st.X3.value() || v == st.x4.value() ||
            v == st.x5.value()) {
            if (st.i_cntnon35_3 < 30) st.i_cntWin35 += 1;
            st.i_cntnon35_3 = 0;
            st.l_cwin35_3 += 31 * st.i_bbet35_3;
            st.i_bbet35_3 = 1;
        } else if (t2) {
            st.l_cwin35_3 -= 5 * st.i_bbet35_3;
            if (st.i_cntnon35_3 == 30) st.i_cntLos35 += 1;
        }
    }
    const bool draw = t1 && !go && st.i_cntnon35_3 == 0;
    if (draw) {
        st.X1 = (13 * n + 21) % 37;
        st.X2 = (21 * n + 34) % 37;
        st.X3 = (n + 2) % 37;
        st.x4 = (3 * n + 5) % 37;
        st.x5 = (8 * n + 13) % 37;
        st.i_cntnon35_2 = 0;
        st.Y1 = 34 * n % 37;
        st.Y2 = 21 * n % 37;
        st.Y3 = 13 * n % 37;
        st.y4 = 8 * n % 37;
        st.y5 = 5 * n % 37;
    }
    st.i_cntnon35_3 += 1;
    st.i_bbet35_3 = routines::LadderTable<routines::Ladder5nb29>::stake(st.i_cntnon35_3 + 1);  // f_5nbprog29
    keepMin(st.l_mincwin35_3, forms::satNarrow(st.l_cwin35_3));
    keepMax(st.i_maxbbet35_3, forms::satNarrow(st.i_bbet35_3));
    if (go) st.i_cntnon35_2 += 1;
    return draw;
}

int streetOf(int n) { return n >= 1 && n <= 36 ? (n - 1) / 3 + 1 : 0; }

}  // namespace edge
