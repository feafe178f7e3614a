// The 28Fass engine: from the last thirteen spins and the FAST panel's boxes it measures twelve
// skips, counts the FASS values among them, picks two values, proposes the stake and names the
// two opposite pairs to leave out. fass28 is pure; the panel runs it whenever "Lspin" is written.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "fast/elim.h"
#include "fast/skip.h"

class Session;

namespace fast {

// What the engine reads, as the boxes and variables hold it.
struct EngineInput {
    std::array<std::string_view, 13> rows;  // history rows 1..13, newest first
    std::string_view skip;                  // "Skip"
    std::string_view lastSpin;              // "Lspin"
    std::string_view initBankrol, minBet, maxBet, cwin;
    int32_t l_20perc = 0;                    // as the previous run left it
    std::string s_elimnbr1, s_elimnbr2;      // as the previous run left them
};

// Everything the engine writes.
struct EngineResult {
    std::string seq;                          // "LOW" below a skip of 9, else "HIGH"
    std::array<int32_t, 12> SkipWindow{};     // oldest skip first
    FassCounts counts;
    std::array<int64_t, 5> a_lowsearch{};     // counts of 1, 2, 3, 5, 8; sorted when LOW searched them
    std::array<int64_t, 3> a_highsearch{};    // counts of 8, 13, 16; sorted when HIGH searched them
    FassSelection selection;                  // "Fass" shows its text
    int32_t l_20perc = 0;
    std::optional<std::string> bbet;          // nullopt: "Bbet" keeps its text
    std::string s_minlosebet;                 // the two oldest skips as "|a||b|"
    std::string s_elimnbr1, s_elimnbr2;
    std::string elimText() const { return s_elimnbr1 + "," + s_elimnbr2; }  // "ElimNBRS"
};

// nullopt while any of rows 1..13, "Skip" or "Lspin" holds no number (fewer than thirteen spins,
// for instance): the engine then does nothing. A bankroll that is no whole number within 32 bits,
// or a "Cwin", "MINbet" or "Maxbet" that is no number, only stops the step that reads it.
std::optional<EngineResult> fass28(const EngineInput& in);

}  // namespace fast
