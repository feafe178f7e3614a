#include "edge/column_rows.h"
#include "edge/sections.h"
#include "panels/frm7tch.h"

namespace edge {

void columnSystem2(Session& s) {
    auto caption = columnSystem2Step(s.st, historyText(s, 1), historyText(s, 2), historyRow(s, 1),
                                     historyRow(s, 2), historyRow(s, 3));
    s.frm7tch().Label1[27].setCaption(caption);
}

void columnDisplay(Session& s) {
    auto& st = s.st;
    columnDisplayStep(st);
    auto& box = s.frm7tch().Text1;
    for (int k = 1; k <= 13; ++k) box[149 + k].setNumber(int64_t{st.ColumnStringFreq[static_cast<size_t>(k)]});
    box[146].setNumber(st.l_cwcolstr27);
    box[147].setNumber(st.i_bbetcolstr27);
    box[148].setNumber(st.l_cwmincolstr27);
    box[149].setNumber(int64_t{st.i_bbetmaxcolstr27});
    box[112].setNumber(st.l_27cwintot);
    box[113].setNumber(int64_t{st.l_27cwinsess});
    box[114].setNumber(st.i_27bbet);
    box[115].setNumber(st.i_27progcnt);
    box[116].setNumber(int64_t{st.i_27progcntmax});
    box[117].setNumber(st.i_27zikzakcnt);
}

}  // namespace edge
