#include "passes/first/hgf_statistics.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <unordered_map>
#include <vector>

#include "forms/amounts.h"
#include "forms/convert.h"
#include "panels/frm3hgf.h"
#include "passes/first/systems.h"
#include "routines/classify.h"
#include "settings/settings.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

namespace passes {

namespace hgf {

int64_t hundredths(int64_t num, int32_t den) {
    if (den <= 0 || num <= 0) return 0;
    const int64_t scaled = (num % den) * 100;  // below 100 * den: no overflow
    const int64_t h = forms::satAdd(forms::satMul(num / den, 100), scaled / den);
    const int64_t twice = (scaled % den) * 2;
    return twice > den || (twice == den && (h & 1)) ? forms::satAdd(h, 1) : h;
}

namespace detail {

std::vector<std::string> keptTexts;

const std::string& makeHundredthsText(int64_t h) {
    // Room for every kept text from the start: growing never moves a text made before.
    constexpr size_t Kept = 65536;
    static std::unordered_map<int64_t, std::string> rare;  // negative or from 655,36 up
    const auto i = static_cast<size_t>(h);
    if (h < 0 || i >= Kept) {
        auto [it, made] = rare.try_emplace(h);
        if (made) it->second = forms::numText(static_cast<double>(h) / 100.0);
        return it->second;
    }
    if (keptTexts.capacity() < Kept) keptTexts.reserve(Kept);
    if (i >= keptTexts.size()) keptTexts.resize(i + 1);
    keptTexts[i] = forms::numText(static_cast<double>(h) / 100.0);
    return keptTexts[i];
}

}  // namespace detail

namespace {

const std::array<std::string, 37> NumberTexts = [] {
    std::array<std::string, 37> t;
    for (int i = 0; i <= 36; ++i) t[static_cast<size_t>(i)] = forms::numText(i);
    return t;
}();

}  // namespace

const std::string& numberText(int n) { return NumberTexts[static_cast<size_t>(std::clamp(n, 0, 36))]; }

namespace {

// Gap / 37 to hundredths for the gaps a session meets; longer ones are worked out.
constexpr size_t TabledGaps = 2048;
const std::array<double, TabledGaps> GapRatios = [] {
    std::array<double, TabledGaps> r{};
    const Hundredths perWheel(37);
    for (size_t g = 0; g < TabledGaps; ++g) r[g] = static_cast<double>(perWheel(static_cast<int64_t>(g))) / 100.0;
    return r;
}();

}  // namespace

void countSpin(state::HgfState& st, int n, int32_t spins) {
    bump(st.HgfHitCount[static_cast<size_t>(n)]);
    const Hundredths perSpin(spins), perWheel(37);
    for (int32_t& g : st.HgfGapCount) g += g < INT32_MAX ? 1 : 0;  // bump, as one sweep the compiler vectorises
    st.HgfGapCount[static_cast<size_t>(n)] = 0;
    for (size_t k = 0; k <= 36; ++k) {
        const int64_t gap = st.HgfGapCount[k];
        const int64_t h = perSpin(int64_t{st.HgfHitCount[k]} * gap);
        st.HgfValueHundredths[k] = h;
        st.HgfValue[k] = static_cast<double>(h) / 100.0;
        st.HgfGapRatio[k] = static_cast<uint64_t>(gap) < TabledGaps ? GapRatios[static_cast<size_t>(gap)]
                                                                    : static_cast<double>(perWheel(gap)) / 100.0;
    }
}

void rankValues(state::HgfState& st) {
    // Insertion sort from last spin's order: a few numbers move each spin.
    const auto& v = st.HgfValueHundredths;
    auto& order = st.HgfRankOrder;
    auto before = [&v](int a, int b) {
        const int64_t va = v[static_cast<size_t>(a)], vb = v[static_cast<size_t>(b)];
        return va > vb || (va == vb && a < b);
    };
    for (size_t i = 1; i < order.size(); ++i) {
        const int8_t k = order[i];
        size_t j = i;
        for (; j > 0 && before(k, order[j - 1]); --j) order[j] = order[j - 1];
        order[j] = k;
    }
    for (size_t i = 0; i < order.size(); ++i) st.HgfSortKeys[i] = v[static_cast<size_t>(order[i])];
}

namespace {

// The list by scanning the numbers once per rank, as the panel always did: each rank takes the
// first number of its value not yet taken, and a scan clears the flag of every number it passes
// with another value.
HgfList scanList(state::HgfState& st) {
    HgfList out;
    st.HgfListedFlag.fill(false);
    for (size_t m = 0; m <= 12; ++m) {
        const int64_t key = st.HgfSortKeys[m];
        for (size_t k = 0; k <= 36; ++k) {
            if (st.HgfValueHundredths[k] != key) {
                st.HgfListedFlag[k] = false;  // a later scan passing a number clears its flag
                continue;
            }
            if (m == 12) {
                out.thirteenth = static_cast<int>(k);
                break;
            }
            if (st.HgfListedFlag[k]) continue;
            st.HgfListedFlag[k] = true;
            st.HgfTwelveNumbers[m] = static_cast<int32_t>(k);
            out.numbers[static_cast<size_t>(out.count++)] = static_cast<int>(k);
            break;
        }
    }
    return out;
}

}  // namespace

HgfList buildList(state::HgfState& st) {
    const auto& v = st.HgfValueHundredths;
    const auto& order = st.HgfRankOrder;
    for (size_t m = 0; m <= 12; ++m)
        if (v[static_cast<size_t>(order[m])] != st.HgfSortKeys[m]) return scanList(st);  // keys ranked elsewhere
    // The same list and flags from the ranking: rank m takes order[m], the thirteenth is the
    // lowest number of the thirteenth value, and a number keeps its flag unless a later rank of
    // another value scanned past it.
    HgfList out;
    std::array<int, 13> match{};
    for (size_t m = 0; m < 12; ++m) match[m] = order[m];
    size_t first = 12;
    while (first > 0 && st.HgfSortKeys[first - 1] == st.HgfSortKeys[12]) --first;
    match[12] = order[first];
    out.thirteenth = match[12];
    std::array<int, 14> furthest{};  // the furthest number scanned from rank j on
    furthest[13] = -1;
    for (size_t j = 13; j-- > 0;) furthest[j] = std::max(furthest[j + 1], match[j]);
    st.HgfListedFlag.fill(false);
    for (size_t m = 0; m < 12; ++m) {
        const int k = match[m];
        size_t next = m + 1;
        while (next <= 12 && st.HgfSortKeys[next] == st.HgfSortKeys[m]) ++next;
        st.HgfListedFlag[static_cast<size_t>(k)] = !(next <= 12 && furthest[next] > k);
        st.HgfTwelveNumbers[m] = k;
        out.numbers[m] = k;
    }
    out.count = 12;
    return out;
}

namespace {

// Writes a list text and its split: `sep` before each item, and once more at the end when
// `closed`. This runs for three lists on every spin: the text is built on the stack and copied
// once, and an item of the split is copied only when it differs from what that slot holds.
void writeList(state::SplitText& w, std::string_view sep, std::span<const std::string* const> items,
               bool closed) {
    constexpr size_t MaxItems = 13;
    char buf[(MaxItems + 1) * (3 + forms::NumTextMax)];
    const size_t count = std::min(items.size(), MaxItems);
    char* p = buf;
    auto put = [&p](const char* from, size_t n) {
        for (size_t i = 0; i < n; ++i) p[i] = from[i];
        p += n;
    };
    w.items.resize(count + (closed ? 2 : 1));
    if (!w.items.front().empty()) w.items.front().clear();
    for (size_t i = 0; i < count; ++i) {
        const std::string& item = *items[i];
        const size_t n = std::min(item.size(), forms::NumTextMax);
        put(sep.data(), sep.size());
        put(item.data(), n);
        std::string& slot = w.items[i + 1];
        if (slot.size() == n) {  // mostly: the item of the same rank two spins ago
            char* to = slot.data();
            const char* from = item.data();
            for (size_t c = 0; c < n; ++c) to[c] = from[c];
        } else {
            slot.assign(item.data(), n);
        }
    }
    if (closed) {
        put(sep.data(), sep.size());
        if (!w.items.back().empty()) w.items.back().clear();
    }
    w.text.assign(buf, static_cast<size_t>(p - buf));
}

}  // namespace

void listTexts(const state::HgfState& st, const HgfList& list, ListTexts& out) {
    std::array<const std::string*, 13> sorted{}, numbers{}, ratios{};
    for (size_t m = 0; m <= 12; ++m) sorted[m] = &hundredthsText(st.HgfSortKeys[m]);
    const auto count = static_cast<size_t>(list.count);
    for (size_t i = 0; i < count; ++i) {
        const auto k = static_cast<size_t>(list.numbers[i]);
        numbers[i] = &numberText(static_cast<int>(k));
        ratios[i] = &hundredthsText(static_cast<int64_t>(st.HgfGapRatio[k] * 100.0 + 0.5));  // whole hundredths
    }
    writeList(out[SortedList], "  ", sorted, false);
    writeList(out[NumberList], " - ", std::span(numbers).first(count), true);
    writeList(out[RatioList], "  ", std::span(ratios).first(count), false);
}

int subStake(int k, int64_t counter) {
    return routines::bandStake(SubSchedules[static_cast<size_t>(std::clamp(k, 0, 2))], counter, 0);
}

ProgressionOut settleProgression(state::HgfState& st, const ProgressionIn& in) {
    ProgressionOut out;
    if (!st.b_hgflistshown || in.n < 0 || in.n > 36 || !in.stopAfterLoss) return out;
    const int32_t stop = *in.stopAfterLoss;
    const int64_t stake = st.l_basebethgf12;
    st.l_win = 36 * stake;
    st.l_bet = 12 * stake;
    st.b_flaghgf12 = false;
    const auto twelve = std::span(st.HgfTwelveNumbers).first(12);
    const bool hit = std::find(twelve.begin(), twelve.end(), in.n) != twelve.end();

    if (st.l_play < stop && in.balance) {
        int64_t bal = *in.balance;
        if (hit) {
            bal += 36 * stake - st.l_bet;
            st.b_flaghgf12 = true;
            out.pause = ProgressionOut::Pause::Clear;
        } else {
            bal -= st.l_bet;
            bump(st.l_play);
            out.pause = st.l_play >= stop ? ProgressionOut::Pause::Show : ProgressionOut::Pause::Clear;
        }
        const int32_t shown = forms::satNarrow(bal);
        st.l_bal = shown;
        out.balance = shown;
        if (shown < 0) {
            out.restake = true;
            st.l_min_bal = std::min(st.l_min_bal, shown);
        } else {
            st.l_basebethgf12 = 1;
        }
    }
    if (st.l_play >= stop && hit) {  // paused: one of the twelve ends the pause, booking nothing
        st.l_play = 0;
        out.pause = ProgressionOut::Pause::Clear;
    }
    return out;
}

void restake(state::HgfState& st, std::optional<double> percent) {
    if (!percent) return;
    const double share = forms::roundEven(-static_cast<double>(static_cast<int64_t>(st.l_bal.value())) * *percent);
    int32_t next = forms::satNarrow(static_cast<int64_t>(std::clamp(share, -9e18, 9e18)));
    if (next == 0) next = 1;
    st.l_basebethgf12 = next;
    st.l_max_basebethgf12 = std::max(st.l_max_basebethgf12, next);
}

}  // namespace hgf

namespace {

namespace colors = forms::colors;
using hgf::Mark;
using settings::Box;

constexpr forms::Color Unmarked = 0x8000000E;
constexpr forms::Color Alarm = 0x0000C0;
constexpr std::array<int, 3> SubSwitch = {0, 1, 2};
constexpr std::array<int, 3> SubCounterBox = {0, 3, 5};
constexpr std::array<int, 3> SubStepBox = {1, 4, 6};
constexpr int SubBalanceBox = 2;

// Two of the counters are variants; all three are carried as whole numbers here.
int64_t counterOf(const state::HgfState& st, int k) {
    switch (k) {
        case 0: return static_cast<int64_t>(st.l_spin_counter.value());
        case 1: return static_cast<int64_t>(st.l_spin_counter2.value());
        default: return st.l_spin_counter3;
    }
}

void storeCounter(state::HgfState& st, int k, int64_t v) {
    switch (k) {
        case 0: st.l_spin_counter = v; break;
        case 1: st.l_spin_counter2 = v; break;
        default: st.l_spin_counter3 = forms::satNarrow(v); break;
    }
}

void subProgressions(Session& s, Frm3hgf& f) {
    auto& st = s.st;
    forms::Control& balance = f.Text4[SubBalanceBox];
    for (int k = 0; k < 3; ++k) {
        forms::Control& step = f.Text4[SubStepBox[static_cast<size_t>(k)]];
        forms::Control& counterBox = f.Text4[SubCounterBox[static_cast<size_t>(k)]];
        if (f.Check1[SubSwitch[static_cast<size_t>(k)]].value() == 1) {
            const int64_t counter = forms::satNarrow(counterOf(st, k) + 1);
            storeCounter(st, k, counter);
            counterBox.setNumber(counter);
            if (int stake = hgf::subStake(k, counter)) {
                step.setNumber(stake);
                // A balance the player typed that is no number is left alone this spin.
                if (auto b = forms::toInt(balance.text())) balance.setNumber(forms::satNarrow(int64_t{*b} - stake));
            } else {
                step.setText("QT");
            }
        } else {
            step.setNumber(hgf::SubFirstStep[static_cast<size_t>(k)]);
            counterBox.setText("0");
            bool othersOn = false;
            for (int j = 0; j < 3; ++j)
                if (j != k && f.Check1[SubSwitch[static_cast<size_t>(j)]].value() == 1) othersOn = true;
            if (!othersOn) balance.setText("0");
            storeCounter(st, k, 0);
            step.setBackColor(Unmarked);
        }
    }
}

void paintMarks(Session& s, Frm3hgf& f, const std::array<forms::Control*, 37>& values) {
    auto minValue = settings::integer(s, Box::HgfRatioMin);
    auto system = settings::integer(s, Box::HgfBettingSystem);
    if (!minValue || !system) return;
    hgf::markNumbers(s.st, *minValue, [&f, &values, sys = *system](int k, Mark mark) {
        forms::Control& value = *values[static_cast<size_t>(k)];
        if (mark == Mark::Cleared) {
            value.setBackColor(Unmarked);
            return;
        }
        value.setBackColor(colors::Green);
        if (sys == 1) {
            f.HitCounts(k).setBackColor(Alarm);
        } else {
            for (int box : SubStepBox) f.Text4[box].setBackColor(Alarm);
        }
    });
}

void setPause(forms::Control& box, hgf::ProgressionOut::Pause p) {
    using P = hgf::ProgressionOut::Pause;
    if (p == P::Show) box.setText("W");
    else if (p == P::Clear) box.setText("");
}

}  // namespace

void loadHgfLists(Session& s) {
    auto& st = s.st;
    if (s.frm1basic().Text1[3].text().empty()) {
        // No lists of before a Reset for the readers of this spin.
        for (state::SplitText* l : {&st.HgfListItems, &st.HgfSortedItems, &st.HgfRatioItems}) {
            l->text.clear();
            l->items.clear();
        }
        return;
    }
    auto& f = s.frm3hgf();
    auto load = [&](hgf::ListText which, const forms::Control& box, state::SplitText& loaded) {
        const std::string& text = box.text();
        if (loaded.text == text) return;  // the HGF block wrote nothing since
        auto& written = st.HgfWrittenLists[which];
        if (written.text == text) {
            // The split made when the text was written, taken with its text; the list it replaces
            // goes the same way, for the next write to overwrite in place.
            loaded.text.swap(written.text);
            loaded.items.swap(written.items);
        } else {
            forms::splitInto(text, hgf::ListSeparator[which], loaded.items);
            loaded.text = text;
        }
    };
    load(hgf::NumberList, f.Text3[4], st.HgfListItems);
    load(hgf::SortedList, f.Text3[3], st.HgfSortedItems);
    load(hgf::RatioList, f.Text3[7], st.HgfRatioItems);
}

void hgfStatistics(Session& s) {
    if (!settings::on(s, settings::Switch::HgfActive)) return;
    auto& st = s.st;
    auto& f = s.frm3hgf();
    const std::string& row1 = s.frm1basic().Text1[1].text();
    const int n = row1.empty() ? -1 : routines::spinOf(row1);
    const bool spin = n >= 0 && n <= 36;

    // 1 to 5: statistics, sub-progressions, marking.
    if (spin) {
        hgf::countSpin(st, n, st.l_general_cnt2);
        f.HitCounts(n).setNumber(st.HgfHitCount[static_cast<size_t>(n)]);
        // Nothing on the spin path reads these texts back: they are formatted when shown.
        std::array<forms::Control*, 37> values;
        for (size_t k = 0; k <= 36; ++k) {
            values[k] = &f.HgfValues(static_cast<int>(k));
            values[k]->setNumber(st.HgfValue[k]);
        }
        subProgressions(s, f);
        paintMarks(s, f, values);
    }

    // 6 to 9: ranking and the sorted list.
    hgf::rankValues(st);

    // 10: the progression settles this spin against the list shown after the previous one.
    hgf::ProgressionIn in;
    in.n = spin ? n : -1;
    in.balance = forms::toInt(f.Text4[7].text());
    in.stopAfterLoss = settings::integer(s, Box::StopAfterLoss);
    const auto out = hgf::settleProgression(st, in);
    if (out.restake) hgf::restake(st, settings::number(s, Box::BaseBetPercentFromLost));
    if (out.balance) f.Text4[7].setNumber(*out.balance);
    setPause(f.Text3[6], out.pause);
    f.Text4[8].setNumber(st.l_basebethgf12);

    // 11: the twelve numbers and the thirteenth.
    const hgf::HgfList list = hgf::buildList(st);
    auto& lists = st.HgfWrittenLists;
    hgf::listTexts(st, list, lists);
    f.Text3[3].setText(lists[hgf::SortedList].text);
    f.Text3[4].setText(lists[hgf::NumberList].text);
    f.Text3[7].setText(lists[hgf::RatioList].text);
    if (list.thirteenth >= 0) f.Text3[5].setText(hgf::numberText(list.thirteenth));
    st.b_hgflistshown = st.b_hgflistshown || list.count == 12;

    // 12: the progression's maxima.
    f.Text4[10].setNumber(st.l_max_basebethgf12);
    f.Text4[11].setNumber(st.l_min_bal);
}

}  // namespace passes
