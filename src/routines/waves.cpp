#include "routines/waves.h"

#include <cmath>

#include "forms/amounts.h"
#include "forms/convert.h"

namespace routines {

bool bookWave(WaveAccount& wave, std::string_view waveBox, bool active, std::string_view spin) {
    if (active && waveBox != WaveFree) {
        // A single number returns 36 times its stake, the stake included.
        if (waveBox == spin)
            wave.cwin = forms::satAdd(wave.cwin, forms::satMul(35, wave.bbet));
        else
            wave.cwin = forms::satSub(wave.cwin, wave.bbet);
    }
    if (wave.cwin >= WaveLossFloor) return false;
    wave.bbet = static_cast<int64_t>(
        forms::roundEven(std::fabs(static_cast<double>(wave.cwin)) * WaveLossShare));
    return true;
}

}  // namespace routines
