// Trend marking of "3rd - 1D 11cycle progress": when exactly one dozen is missing from the last
// N spins, the rows and the progression box take the colour of the missing dozen.
#pragma once

#include <cstdint>
#include <span>

#include "forms/form.h"

namespace passes {

inline constexpr forms::Color TrendL = 0x00FFFF;     // "L" missing: yellow
inline constexpr forms::Color TrendM = 0xFF00FF;     // "M" missing: magenta
inline constexpr forms::Color TrendH = 0xFF8080;     // "H" missing: light blue
inline constexpr forms::Color TrendNone = 0x80000009;

struct TrendCounts {
    int64_t ll = 0, mm = 0, hh = 0;
};

enum class TrendAction { Keep, Unmark, Mark };

struct TrendResult {
    TrendCounts counts;  // as left for the session (0 after an unmark)
    TrendAction action = TrendAction::Keep;
    forms::Color colour = TrendNone;
    bool b_trend = false;
};

// `rows` holds the spins of rows 1..N, -1 for an empty row.
TrendResult trendSpin(std::span<const int> rows, bool b_trend);

}  // namespace passes
