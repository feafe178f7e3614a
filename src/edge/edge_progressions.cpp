#include "edge/edge_progressions.h"

#include <limits>

#include "edge/edge_boxes.h"
#include "edge/sections.h"
#include "panels/frm8edge.h"
#include "routines/ladders.h"
#include "shell/session.h"

namespace edge {

const std::array<int (*)(int64_t), 6> ProgressionLadders{
    routines::f_1nbprogCw87,
    [](int64_t step) { return routines::f_2nbprog60(step, step); },
    routines::f_3nbprog30,
    routines::f_4nbprog40,
    routines::f_6nbhalfbet,
    routines::f_12nb,
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
