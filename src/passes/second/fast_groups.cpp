#include "passes/second/fast_groups.h"

#include <cmath>

#include "fast/twins.h"
#include "forms/convert.h"
#include "panels/frm3hgf.h"
#include "panels/frm6fast.h"
#include "passes/second/hgf_number_list.h"
#include "passes/second/shown_figures.h"
#include "passes/second/systems.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

namespace passes {

namespace fast12 {

void stepWait(bool& armed, forms::Var& count, int64_t& max, const std::string& row1, std::string_view target) {
    if (row1 == target && armed) {
        armed = false;
        if (count.value() > static_cast<double>(max)) max = static_cast<int64_t>(count.value());
        count = 0;
    } else if (armed) {
        count += 1;
    }
    if (row1 == "27") armed = true;
}

void bookTriple(state::Sys12thPanelState& st, const std::string& row1) {
    if (!st.b_4) return;
    const auto& nums = st.FastTripleNumbers;
    const int64_t step = static_cast<int64_t>(st.i_4.value());
    const int64_t stake = static_cast<int64_t>(st.i_bb_4.value());
    if (row1 == nums[0] || row1 == nums[1] || row1 == nums[2]) {
        if (step > st.i_4max) st.i_4max = step;
        st.i_4 = 0;
        st.b_4 = false;
        st.i_cw4 = st.i_cw4.value() + 33.0 * static_cast<double>(stake);
    } else {
        // The stake that rode on this spin is lost; the next step's stake is for the next spin.
        st.i_cw4 = st.i_cw4.value() - 3.0 * static_cast<double>(stake);
        st.i_4 = step + 1;
        st.i_bb_4 = fast::f_bbet25_4(step + 1);
    }
}

bool startTriple(state::Sys12thPanelState& st, const std::vector<std::string>& theory,
                 const std::vector<std::string>& hgfList) {
    if (st.b_4 || theory.size() < 11 || hgfList.size() < 10) return false;
    int64_t sum = 0;
    for (size_t k = 8; k <= 10; ++k) {
        const auto v = forms::toInt(theory[k]);
        if (!v) return false;
        sum += *v;
    }
    if (sum < 4) return false;
    for (size_t k = 7; k <= 9; ++k)
        if (!forms::isWholeNumberText(hgfList[k])) return false;
    st.i_4 = 0;
    st.i_bb_4 = 1;
    st.b_4 = true;
    st.FastTripleNumbers = {hgfList[9], hgfList[8], hgfList[7]};
    return true;
}

int stepLowHigh(state::Sys12thPanelState& st, int h, int64_t spins) {
    if (h == 1) st.l_low25 += 1;
    else if (h == 2) st.l_high25 += 1;
    if (spins != 0) {
        if (st.l_low25 != 0)
            st.d_low25perc = forms::roundTo(static_cast<double>(st.l_low25) / static_cast<double>(spins) * 100, 2);
        if (st.l_high25 != 0)
            st.d_high25perc = forms::roundTo(static_cast<double>(st.l_high25) / static_cast<double>(spins) * 100, 2);
    }
    int paint = 0;
    const double low = st.d_low25perc.value(), high = st.d_high25perc;
    if (std::fabs(low - high) > 2 && spins > 20 && st.i_play25hll == 0 && st.i_play25hlh == 0) {
        if (low > high) {
            st.i_play25hll = 5;
            paint |= 1;
        } else {
            st.i_play25hlh = 5;
            paint |= 2;
        }
    }
    if (st.i_play25hll > 0 && st.i_play25hll < 5) st.i_cw25hl += h == 1 ? 1 : -1;
    if (st.i_play25hlh > 0 && st.i_play25hlh < 5) st.i_cw25hl += h == 2 ? 1 : -1;
    if (st.i_play25hll > 0) --st.i_play25hll;
    else paint |= 4;
    if (st.i_play25hlh > 0) --st.i_play25hlh;
    else paint |= 8;
    return paint;
}

}  // namespace fast12

namespace {

// The history's count of each group number, in the panel's order: "5", "15", "25", "35", "11",
// "22", "33", "10", "20", "30". The index of a row's text among them, -1 for any other text.
int groupOf(const std::string& t) {
    if (t.size() == 1) return t[0] == '5' ? 0 : -1;
    if (t.size() != 2 || t[0] < '1' || t[0] > '3') return -1;
    const int tens = t[0] - '0';
    if (t[1] == '5') return tens;                  // 15, 25, 35
    if (t[1] == t[0]) return 3 + tens;             // 11, 22, 33
    if (t[1] == '0') return 6 + tens;              // 10, 20, 30
    return -1;
}

}  // namespace

namespace {

// "a,b,c" written without building a string.
void showJoined(forms::Control& c, const std::string& a, const std::string& b, const std::string& d) {
    char buf[64];
    if (a.size() + b.size() + d.size() + 2 > sizeof buf) {
        c.setText(a + "," + b + "," + d);
        return;
    }
    size_t n = 0;
    for (const std::string* p : {&a, &b, &d}) {
        if (n) buf[n++] = ',';
        for (char ch : *p) buf[n++] = ch;
    }
    c.setText(std::string_view(buf, n));
}

}  // namespace

void twelfthFastGroups(Session& s) {
    auto& st = s.st;
    auto& main = s.frm1basic();
    std::array<int64_t, 10> counts{};
    for (int r = 1; r <= 28; ++r) {
        const int g = groupOf(main.Text1[r].text());
        if (g >= 0) ++counts[static_cast<size_t>(g)];
    }
    int64_t* fields[] = {&st.i_pot5, &st.i_pot15, &st.i_pot25, &st.i_pot35, &st.i_pot11,
                         &st.i_pot22, &st.i_pot33, &st.i_pot10, &st.i_pot20, &st.i_pot30};
    for (size_t g = 0; g < counts.size(); ++g) *fields[g] = counts[g];

    const std::string& row1 = main.Text1[1].text();
    fast12::stepWait(st.b_25pot, st.i_pot17, st.i_pot17max, row1, "17");
    int64_t max7 = st.i_pot7max;
    fast12::stepWait(st.b_25pot7, st.i_pot7, max7, row1, "7");
    st.i_pot7max = static_cast<int32_t>(std::min<int64_t>(max7, INT32_MAX));

    auto& f = s.frm6fast();
    showVar(f.Text4[93], st.i_pot17);
    f.Text4[95].setNumber(st.i_pot17max);
    showVar(f.Text4[94], st.i_pot7);
    f.Text4[96].setNumber(int64_t{st.i_pot7max});
    for (size_t g = 0; g < counts.size(); ++g) f.Text4[83 + static_cast<int>(g)].setNumber(counts[g]);

    auto verdict = [&](int first, int last, int64_t sum) {
        const forms::Color c = sum >= 3 ? forms::colors::Green : forms::colors::Yellow;
        for (int l = first; l <= last; ++l) f.Label4[l].setForeColor(c);
    };
    verdict(66, 69, counts[0] + counts[1] + counts[2] + counts[3]);
    verdict(70, 72, counts[4] + counts[5] + counts[6]);
    verdict(73, 75, counts[7] + counts[8] + counts[9]);
}

void twelfthFastTail(Session& s) {
    auto& st = s.st;
    auto& main = s.frm1basic();
    auto& f = s.frm6fast();
    const std::string& row1 = main.Text1[1].text();
    if (!main.Text1[3].text().empty()) {
        const auto& items = st.HgfListItems.items;
        if (items.size() > 12) showJoined(f.Label4[86], items[10], items[11], items[12]);
        const bool wasRunning = st.b_4;
        fast12::bookTriple(st, row1);
        if (wasRunning && !st.b_4) {
            f.Text4[98].setNumber(st.i_4max);
            f.Label4[84].setForeColor(forms::colors::White);
        }
        // A bet starts only when none runs and the theory figures are there.
        std::vector<std::string> scratch;
        if (!st.b_4 && st.HgfRatioItems.items.size() >= 11 &&
            fast12::startTriple(st, st.HgfRatioItems.items, hgfNumberItems(s, scratch))) {
            const auto& n = st.FastTripleNumbers;
            f.Label4[84].setForeColor(0xFF00);
            showJoined(f.Label4[84], n[0], n[1], n[2]);
        }
        if (20 - static_cast<int64_t>(st.i_4.value()) <= 0) f.Label4[84].setForeColor(forms::colors::White);
    }
    showVar(f.Text4[101], st.i_cw4);
    showVar(f.Text4[105], st.i_bb_4);
    f.Text4[99].setNumber(20 - static_cast<int64_t>(st.i_4.value()));

    const int paint = fast12::stepLowHigh(st, fast::hl_check(row1), st.l_general_cnt2);
    if (paint & 1) f.Label4[78].setForeColor(0xFF00);
    if (paint & 2) f.Label4[79].setForeColor(0xFF00);
    if (paint & 4) f.Label4[78].setForeColor(forms::colors::White);
    if (paint & 8) f.Label4[79].setForeColor(forms::colors::White);
    showVar(f.Text4[102], st.d_low25perc);
    f.Text4[103].setNumber(st.d_high25perc);
    f.Text4[104].setNumber(int64_t{st.i_cw25hl});
}

}  // namespace passes
