#include "routines/schedules.h"

namespace routines {

namespace {

// count - start; nullopt for counts no session reaches (typed text), which stake nothing.
std::optional<int64_t> distance(int64_t start, int64_t count) {
    constexpr int64_t limit = int64_t{1} << 60;
    if (start < -limit || start > limit || count < -limit || count > limit) return std::nullopt;
    return count - start;
}

}  // namespace

int64_t advCycleLength(AdvSchedule schedule) {
    return schedule == AdvSchedule::S90 || schedule == AdvSchedule::M90 ? 90 : 141;
}

AdvStake f_prog8thADV(int64_t start, int64_t count, AdvSchedule schedule) {
    const auto d = distance(start, count);
    if (!d) return {};
    const int64_t place = *d + 1;
    switch (schedule) {
        case AdvSchedule::S90:
            if (place == S90RestartPlace) return {1, start + 90};
            return {bandStake(S90Bands, place, 0), std::nullopt};
        case AdvSchedule::M90: return {bandStake(M90Bands, place, 0), std::nullopt};
        case AdvSchedule::ES141: return {bandStake(ES141Bands, place, 0), std::nullopt};
        case AdvSchedule::None: break;
    }
    return {};
}

int64_t f_prog8thADVcdown(int64_t start, int64_t count, AdvSchedule schedule) {
    const auto d = distance(start, count);
    if (!d) return 0;
    const int64_t left = advCycleLength(schedule) - *d;
    return left >= 1 ? left : 0;
}

int f_prog60(int64_t start, int64_t count) {
    const auto d = distance(start, count);
    return d ? bandStake(Prog60Bands, *d, 0) : 0;
}

}  // namespace routines
