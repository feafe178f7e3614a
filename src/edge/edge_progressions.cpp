#include "edge/edge_progressions.h"

#include <limits>

#include "edge/edge_boxes.h"
#include "edge/sections.h"
#include "panels/frm8edge.h"
#include "routines/ladder_table.h"
#include "shell/session.h"

namespace edge {

// The ladders by table: a progression left on climbs far past its ladder's end.
const std::array<int (*)(int64_t), 6> ProgressionLadders{
    routines::LadderTable<routines::Ladder1nbCw87>::stake,  // f_1nbprogCw87
    routines::LadderTable<routines::Ladder2nb60>::stake,    // f_2nbprog60
    routines::LadderTable<routines::Ladder3nb30>::stake,    // f_3nbprog30
    routines::LadderTable<routines::Ladder4nb40>::stake,    // f_4nbprog40
    routines::LadderTable<routines::Ladder6nbHalf>::stake,  // f_6nbhalfbet
    routines::LadderTable<routines::Ladder12nb>::stake,     // f_12nb
};

std::optional<int> stepProgression(int32_t& step, int k, bool on) {
    if (!on) {
        step = 0;
        return std::nullopt;
    }
    if (step < std::numeric_limits<int32_t>::max()) ++step;  // far past every ladder's end: stays there
    return ProgressionLadders[static_cast<size_t>(k)](step);
}

void edgeProgressions(Session& s) {
    constexpr forms::Color On = 0x00C000;
    auto& sw = s.frm8edge().Label2;
    for (int k = 0; k < 6; ++k) {
        auto& label = sw[k];
        if (auto stake = stepProgression(s.st.EdgeProgStep[static_cast<size_t>(k)], k, label.backColor() == On))
            label.setNumber(int64_t{*stake});
    }
}

}  // namespace edge
