// The HGF block of the first pass as pure steps on HgfState: per-number statistics, the three
// sub-progressions' schedules, the marking, the ranking with its twelve-number list, and the HGF
// progression on those twelve numbers. The adapters in hgf_statistics.cpp read and write the panel.
#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "forms/amounts.h"
#include "forms/convert.h"
#include "routines/ladders.h"
#include "routines/schedules.h"
#include "state/first_pass_state.h"

namespace passes::hgf {

// Round(num / den, 2) in whole hundredths, halves to even. Exact integer arithmetic gives the
// runtime's Round of the quotient without its text round trip; den <= 0 gives 0.
int64_t hundredths(int64_t num, int32_t den);

// The same for many numerators over one denominator: one division, and the exact path only
// for quotients within a hair of a half.
class Hundredths {
public:
    explicit Hundredths(int32_t den) : den_(den), scale_(den > 0 ? 100.0 / den : 0.0) {}
    int64_t operator()(int64_t num) const {
        if (num <= 0 || den_ <= 0) return 0;
        const double v = static_cast<double>(num) * scale_;
        if (v >= 1e9) return hundredths(num, den_);
        const auto whole = static_cast<int64_t>(v);
        const double frac = v - static_cast<double>(whole);
        // Far from a half the double quotient rounds like the exact one.
        if (std::fabs(frac - 0.5) > 1e-6) return whole + (frac > 0.5 ? 1 : 0);
        return hundredths(num, den_);
    }

private:
    int32_t den_;
    double scale_;
};

// The text of h hundredths as numText writes it ("0", "0,5", "12,3"). Texts are kept once made,
// at a fixed place: the same few hundred values come back every spin.
namespace detail {
extern std::vector<std::string> keptTexts;
const std::string& makeHundredthsText(int64_t h);
}  // namespace detail
inline const std::string& hundredthsText(int64_t h) {
    const auto i = static_cast<size_t>(h);
    if (h >= 0 && i < detail::keptTexts.size() && !detail::keptTexts[i].empty()) return detail::keptTexts[i];
    return detail::makeHundredthsText(h);
}

// "0" .. "36".
const std::string& numberText(int n);

// Adds one to a counter that must never wrap.
inline void bump(int32_t& c) { c = forms::satNarrow(int64_t{c} + 1); }

// Steps 1 to 3: the new spin n (0..36) is counted after `spins` accepted spins; every value
// and gap ratio is renewed.
void countSpin(state::HgfState& st, int n, int32_t spins);

// Step 5. What happens to one number's marks this spin.
enum class Mark : uint8_t { Keep, Newly, Cleared };
// Marks numbers whose value reaches `minValue`; a number already flagged keeps its mark and is
// not painted again. `paint(k, mark)` is called for every number but those kept.
template <typename Paint>
void markNumbers(state::HgfState& st, double minValue, Paint&& paint) {
    for (size_t k = 0; k <= 36; ++k) {
        if (st.HgfValue[k] >= minValue) {
            if (st.HgfListedFlag[k]) continue;
            st.HgfListedFlag[k] = true;
            paint(static_cast<int>(k), Mark::Newly);
        } else {
            st.HgfListedFlag[k] = false;
            paint(static_cast<int>(k), Mark::Cleared);
        }
    }
}

// Steps 6 and 7: the values ranked, highest first (by value, not by text), into HgfSortKeys;
// the first 13 are the sorted list.
void rankValues(state::HgfState& st);

// Step 11: the twelve numbers (equal values in ascending order of number, each once) and the
// thirteenth, which may repeat one of them; -1 when none is found.
struct HgfList {
    std::array<int, 12> numbers{};
    int count = 0;
    int thirteenth = -1;
};
HgfList buildList(state::HgfState& st);

// The three list texts, each with its split (element 0 empty): "  " before each sorted value,
// " - " around the numbers, "  " before each number's gap ratio.
enum ListText : size_t { SortedList, NumberList, RatioList };
using ListTexts = std::array<state::SplitText, 3>;
void listTexts(const state::HgfState& st, const HgfList& list, ListTexts& out);

inline constexpr std::array<std::string_view, 3> ListSeparator = {"  ", " - ", "  "};

inline const state::SplitText& loadedList(const state::HgfState& st, ListText which) {
    return which == NumberList ? st.HgfListItems : which == SortedList ? st.HgfSortedItems : st.HgfRatioItems;
}

// The split of `text`, a list box's text as it stands: the split kept with the list last written
// or loaded when it is that very text, else made here into `scratch`.
inline const std::vector<std::string>& listItems(const state::HgfState& st, ListText which, const std::string& text,
                                                 std::vector<std::string>& scratch) {
    if (const auto& w = st.HgfWrittenLists[which]; w.text == text) return w.items;
    if (const auto& l = loadedList(st, which); l.text == text) return l.items;
    forms::splitInto(text, ListSeparator[which], scratch);
    return scratch;
}

// The sub-progressions' stake schedules by their spin counter (after its increment).
inline constexpr routines::Band Schedule1[] = {{0, 24, 1}, {25, 42, 2}, {43, 54, 3}};
inline constexpr routines::Band Schedule2[] = {{0, 24, 1},  {25, 42, 2}, {43, 54, 3},
                                               {55, 63, 4}, {64, 70, 5}, {71, 76, 6}};
// The third is the 60-spin schedule.
inline constexpr std::array<std::span<const routines::Band>, 3> SubSchedules = {Schedule1, Schedule2,
                                                                                routines::Prog60Bands};
inline constexpr std::array<int, 3> SubFirstStep = {1, 1, 2};

// The stake of schedule k (0..2) at this counter; 0 past its end, where the panel shows "QT".
int subStake(int k, int64_t counter);

// The HGF progression of one spin.
struct ProgressionIn {
    int n = -1;                            // the spin, 0..36
    std::optional<int32_t> balance;        // the balance box; nullopt when it is not a number
    std::optional<int32_t> stopAfterLoss;  // "StopAfterLoss"
};
struct ProgressionOut {
    std::optional<int32_t> balance;  // the new balance to show, when the spin was booked
    enum class Pause : uint8_t { Keep, Show, Clear } pause = Pause::Keep;
    bool restake = false;  // the balance is below 0: the next stake comes from the loss
};
// Settles n against the twelve numbers shown after the previous spin; nothing before the first
// list. A loss count at or above "StopAfterLoss" pauses until one of the twelve comes.
ProgressionOut settleProgression(state::HgfState& st, const ProgressionIn& in);
// The stake from the loss: Round(|balance| x percent), at least 1. Nothing when the setting is
// not a number.
void restake(state::HgfState& st, std::optional<double> percent);

}  // namespace passes::hgf
