// What the column-systems sections read of the main window's history.
#pragma once

#include <string>

#include "edge/column_systems.h"
#include "edge/edge_boxes.h"
#include "routines/classify.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

namespace edge {

inline const std::string& historyText(Session& s, int row) { return s.frm1basic().Text1[row].text(); }

// The spin in a history row, or nullopt while the row is empty.
inline Row historyRow(Session& s, int row) {
    const std::string& t = historyText(s, row);
    if (t.empty()) return std::nullopt;
    const auto n = forms::toInt(t);
    return n && *n >= 0 && *n <= 36 ? Row{*n} : std::nullopt;
}

}  // namespace edge
