// "4th - 2D 4cycle progress" and the 6th system's columns share one four-cycle progression.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace passes::fourth {

// The two dozens to bet when the third leads the other two by more than the margin:
// "L,M ", "L,H ", "M,H ", or "" when none leads.
std::string_view dozens(int64_t ll, int64_t mm, int64_t hh, int64_t margin);

// Writes "m-m  3m-3m  9m-9m  27m-27m" into out (room for 4 * 2 * NumTextMax + 16) and returns
// its length.
size_t fourCycle(char* out, int64_t m);
inline constexpr size_t FourCycleMax = 8 * 32 + 16;

}  // namespace passes::fourth
