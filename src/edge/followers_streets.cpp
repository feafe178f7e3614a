#include "edge/column_rows.h"
#include "edge/edge_boxes.h"
#include "edge/sections.h"
#include "forms/amounts.h"
#include "forms/convert.h"
#include "panels/frm7tch.h"
#include "panels/frm8edge.h"

namespace edge {

namespace {

void followerCounts(Session& s) {
    if (historyText(s, 3).empty()) return;
    auto& box = s.frm8edge().Text1;
    const std::string& chosen = box[137].text();
    // "Num" is typed by the player: anything but a whole number counts nothing this spin (nor
    // does one too long to be a spin).
    const auto num = forms::wholeNumberValue(chosen);
    if (!num) return;
    const Row before = historyRow(s, 2), n = historyRow(s, 1);
    if (!before || !n || *num != *before) return;
    auto& count = s.st.FollowerCounts[static_cast<size_t>(*n)];
    count += 1;
    box[100 + *n].setNumber(int64_t{count});
}

void streetGaps(Session& s) {
    auto& st = s.st;
    if (const Row n = historyRow(s, 1)) {
        for (int k = 1; k <= 12; ++k) st.StreetGap[static_cast<size_t>(k)] += 1;
        if (const int street = streetOf(*n); street != 0) st.StreetGap[static_cast<size_t>(street)] = 0;
    }
    auto& w = s.frm7tch();
    std::vector<forms::Control*>& boxes = w.streetBoxes;
    if (boxes.empty())
        for (int k = 1; k <= 12; ++k) {
            boxes.push_back(&w.Text1[87 + k]);
            boxes.push_back(&w.Text1[172 + k]);
        }
    forms::Control* const* box = boxes.data();
    for (int k = 1; k <= 12; ++k, box += 2) {
        const auto gap = static_cast<int64_t>(st.StreetGap[static_cast<size_t>(k)].value());
        auto& max = st.StreetGapMax[static_cast<size_t>(k)];
        if (gap > max) max = forms::satNarrow(gap);
        forms::Control& gapBox = *box[0];
        gapBox.setNumber(gap);
        box[1]->setNumber(int64_t{max});
        gapBox.setBackColor(gap > st.i_22plcnt ? forms::colors::Green : forms::colors::White);
    }
}

}  // namespace

void Command10_Click(Session& s) {
    followerCounts(s);
    streetGaps(s);
}

}  // namespace edge
