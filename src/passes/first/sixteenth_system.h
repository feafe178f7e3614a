// 16th Cycle 1Dozen: plays the one dozen whose box is green on the HGF panel with a five-level
// progression covering zero and the dozen, and a shorter cycle after a hit while the manual
// counter is on. It also marks target dozens and shows each dozen's count and share.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "forms/form.h"
#include "state/first_pass_state.h"

class Frm3hgf;

namespace passes {

inline constexpr std::array<std::string_view, 3> Dozens = {"L", "M", "H"};
inline constexpr std::array<forms::Color, 3> DozenTargetColors = {0xFFFF, 0xFF00FF, 0xFF8080};

// Dozen classes of history rows 1..28 (index 0 is row 1); "" for an empty row.
using DozenRows = std::array<std::string_view, 28>;

// True when dozen d is absent from rows 1..window; false for a window of 0.
bool dozenAbsent(const DozenRows& rows, std::string_view d, int32_t window);

// Targets: rare in the full history (count at most `target`), absent from the last `window`
// rows and with a share ("% All" of the previous spin, as its box shows it) below maxAll. A share
// box that holds no number makes its dozen no target.
struct TargetInput {
    bool fullHistory = false;
    std::array<int64_t, 3> counts{};
    int32_t target = 0, window = 0, maxAll = 0;
    std::array<std::string_view, 3> shares;
};

// The "% All" boxes as the targets and the alarm read them: the whole value of each box's text
// written into `buf` (room for three NumTextMax texts). Read from the shown figures when the 16th
// wrote them, from the boxes otherwise.
std::array<std::string_view, 3> shownShares(const state::Sys16thState& st, Frm3hgf& f, char* buf);

// The share box's whole value is below maxAll.
bool shareBelow(std::string_view share, int32_t maxAll);
std::array<bool, 3> dozenTargets(const DozenRows& rows, const TargetInput& in);

// The chosen dozen's play on one spin.
struct CycleInput {
    int n = 0;                  // the new spin
    std::string_view rowClass;  // its dozen class
    int dozen = 0;              // 0 L, 1 M, 2 H: the green box
    bool counterOn = false;     // the manual counter's caption is not "0"
    int64_t wincntLimit = 0;    // "Wincnt16"
    std::optional<int64_t> base, cycle;  // "Basebet:", "Cyclebet:"
};
struct CyclePlay {
    state::Sys16thState st;
    int32_t l_16cnt = 0, l_16cntc = 0;
    bool closed = false;  // the run was closed: the dozen's box turns white
};
// nullopt when the unit box the spin is staked in holds no number: nothing is played.
std::optional<CyclePlay> cyclePlay(CyclePlay p, const CycleInput& in);

}  // namespace passes
