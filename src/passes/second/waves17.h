// "17th Waves": four picked numbers played straight up in overlapping waves over a cycle of 78
// spins, six spins a step, until the four together are in profit.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace passes {

struct WaveWindow {
    uint8_t waves;  // bit k-1: wave k books this spin
    int8_t box;     // the wave (1..4) whose box changes colour at the window's last spin
    bool inPlay;    // that box's new colour: in play (&HFF00) or not (&HFFFFFF)
};

inline constexpr int WaveCycle = 78;
inline constexpr int WaveStep = 6;

inline constexpr std::array<WaveWindow, WaveCycle / WaveStep> WaveSchedule = {{
    {0b0001, 2, true},  {0b0011, 3, true},  {0b0111, 4, true},  {0b1111, 1, false},
    {0b1110, 2, false}, {0b1100, 3, false}, {0b1000, 3, true},  {0b1100, 2, true},
    {0b1110, 1, true},  {0b1111, 4, false}, {0b0111, 3, false}, {0b0011, 2, false},
    {0b0001, 2, true},
}};

// The window of cycle position `pos` (from 1); none from position 79 on.
inline std::optional<WaveWindow> waveWindow(int64_t pos) {
    if (pos < 1 || pos > WaveCycle) return std::nullopt;
    return WaveSchedule[static_cast<size_t>((pos - 1) / WaveStep)];
}
inline bool windowEnds(int64_t pos) { return pos >= 1 && pos <= WaveCycle && pos % WaveStep == 0; }

}  // namespace passes
