// Everything that lives between spins, one plain struct per system group. Field names are unique
// across groups, so SessionState inherits them all and code reads `st.l_general_cnt`; a group can
// still be put back to its start values on its own: `static_cast<Sys2ndState&>(st) = {}`.
// Default member initialisers are the start values the main window's load sets.
#pragma once

#include "state/edge_state.h"
#include "state/first_pass_state.h"
#include "state/panel_state.h"
#include "state/second_pass_state.h"
#include "state/tch_state.h"

namespace state {

struct SessionState : DozenCounts,
                      SpinCounters,
                      Sys1stState,
                      Sys2ndState,
                      Sys3rdTrendState,
                      EvenChanceStates,
                      ColumnCounts,
                      Sys7thState,
                      HgfState,
                      Sys19thAdvState,
                      Sys9thState,
                      EvenChanceDoublingState,
                      Sys11thState,
                      Sys12thState,
                      Sys13thState,
                      Sys14thState,
                      Sys15thState,
                      Sys16thState,
                      NewSpinDozenCounters,
                      WaveTrackerState,
                      Sys18thState,
                      TwoNumberProgState,
                      Niche21State,
                      WheelSectorTables,
                      Sys22ndState,
                      TchBoardState,
                      StreetGapState,
                      Neuron23State,
                      Sys24thState,
                      Twins25State,
                      Sys12thPanelState,
                      TchColumnState,
                      TchNumberState,
                      WheelNextFour,
                      SeededTripleState,
                      EdgeBoardState,
                      HgfPanelState,
                      FassState {};

}  // namespace state
