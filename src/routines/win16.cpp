#include "routines/win16.h"

#include <algorithm>

#include "forms/amounts.h"

namespace routines {

Win16Place win16Place(int64_t nbr) {
    if (std::ranges::find(Win16Corners, nbr) != Win16Corners.end()) return Win16Place::Corner;
    if (std::ranges::find(Win16Middles, nbr) != Win16Middles.end()) return Win16Place::Middle;
    return Win16Place::Edge;
}

int64_t win16(int64_t nbr, std::string_view dozen, bool bcyc, int64_t bbet16, int64_t unit) {
    Win16Place place;
    if (dozen == "L" || dozen == "M" || dozen == "H") {
        if (nbr < 1 || nbr > 36) return 0;
        place = win16Place(nbr);
    } else if (dozen == "0") {
        place = Win16Place::Zero;
    } else {
        return 0;
    }
    const auto level = std::ranges::find(Win16Levels, bbet16);
    if (level == Win16Levels.end()) return 0;
    const auto column = level - Win16Levels.begin();
    if (bcyc && column < Win16CycleFirstLevel) return 0;
    // A typed unit can be anything.
    return forms::satMul(Win16Net[static_cast<size_t>(place)][static_cast<size_t>(column)], unit);
}

}  // namespace routines
