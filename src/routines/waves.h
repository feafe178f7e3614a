// The wave trackers of the "17th Waves" system: each wave bets one picked number with its own
// stake, and its stake follows the wave's loss once that passes 12 units.
#pragma once

#include <cstdint>
#include <string_view>

class Session;

namespace routines {

struct WaveAccount {
    int64_t cwin = 0;  // the wave's cumulative win
    int64_t bbet = 1;  // its stake
    bool operator==(const WaveAccount&) const = default;
};

// The text of a wave box that holds no number.
inline constexpr std::string_view WaveFree = "N";
// A wave's stake follows its loss from below this win on.
inline constexpr int64_t WaveLossFloor = -12;
inline constexpr double WaveLossShare = 0.043;

// Books the newest spin `spin` (history row 1 as text) for a wave whose box reads `waveBox`;
// only an active wave with a number books. Returns true when the stake was set anew (the
// stake box then shows it).
bool bookWave(WaveAccount& wave, std::string_view waveBox, bool active, std::string_view spin);

// The trackers of waves 1 to 4 on the session: the wave boxes Text12(0..3) of the HGF panel
// (&HFF00 = active, "N" = free), the newest history row, and the stake boxes Text13(4..7).
void FN17(Session& s);
void SN17(Session& s);
void TN17(Session& s);
void FON17(Session& s);

}  // namespace routines
