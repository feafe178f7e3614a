#include "edge/column_rows.h"
#include "edge/edge_boxes.h"
#include "edge/sections.h"
#include "forms/convert.h"
#include "panels/frm7tch.h"

namespace edge {

void unseenNumbers(Session& s) {
    auto& st = s.st;
    auto& box = s.frm7tch().Text1;
    // A limit that is not a whole number books nothing; the spin is still counted.
    const std::optional<int64_t> limit = digitsLimit(box[200].text());
    const int64_t staked = unseenNumbersStep(st, historyRow(s, 1).value_or(0), limit);
    box[199].setNumber(staked);
    box[195].setNumber(st.l_28cwin);
    box[196].setNumber(int64_t{st.l_28cwinmin});
    box[197].setNumber(st.i_28bbet);
    box[198].setNumber(st.i_28cnt);
}

}  // namespace edge
