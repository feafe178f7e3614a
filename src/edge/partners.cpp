#include "edge/column_rows.h"
#include "edge/edge_boxes.h"
#include "edge/sections.h"
#include "forms/convert.h"
#include "panels/frm7tch.h"

namespace edge {

namespace {

// The sum of the first four entries of the sorted HGF list; nullopt when it is too short or an
// entry is not a number.
std::optional<int64_t> bestFourHgfSum(const std::vector<std::string>& items) {
    if (items.size() < 5) return std::nullopt;
    int64_t sum = 0;
    for (size_t k = 1; k <= 4; ++k) {
        auto v = forms::toInt(items[k]);  // hundredths such as "12,34"
        if (!v) return std::nullopt;
        sum += *v;
    }
    return sum;
}

// The first five entries of a list, blank-separated, or "-" while one of them is empty.
void showPartners(forms::Control& label, const std::array<std::string, 7>& list) {
    Line out;
    for (size_t k = 1; k <= 5; ++k) {
        if (list[k].empty()) return label.setCaption("-");
        if (k > 1) out.add(' ');
        out.add(list[k]);
    }
    label.setCaption(out.view());
}

}  // namespace

void partnerNumbers(Session& s) {
    auto& f = s.frm7tch();
    std::array<Row, 5> rows{};
    const bool row13 = !historyText(s, 13).empty();
    std::optional<double> limit;
    std::optional<int64_t> sum;
    if (row13) {
        limit = forms::toDouble(f.Text1[201].text());
        sum = bestFourHgfSum(s.st.HgfSortedItems.items);
        // The rows count only when the list is drawn.
        if (limit && sum && *limit < static_cast<double>(*sum))
            for (int k = 1; k <= 5; ++k) rows[static_cast<size_t>(k - 1)] = historyRow(s, k);
    }
    partnerListStep(s.st, rows, row13, limit, sum);
    showPartners(f.Label1[43], s.st.PartnerList);
}

void fiveNumberProgression(Session& s) {
    auto& st = s.st;
    auto& f = s.frm7tch();
    const std::optional<int64_t> limit = digitsLimit(f.Text1[229].text());
    if (!limit) return;
    const bool wasRunning = st.i_cnt31st >= 0;
    fiveNumberStep(st, historyText(s, 1), limit);
    const bool running = st.i_cnt31st >= 0;
    if (running) f.Label1[44].setForeColor(forms::colors::Green);
    else if (wasRunning) f.Label1[44].setForeColor(forms::colors::White);
    if (running) showPartners(f.Label1[44], st.PartnerBetList);
    else f.Label1[44].setCaption("-");
    forms::Control* const* box = listBoxes(f) + 13;
    box[0]->setNumber(st.l_cwin31st);
    box[1]->setNumber(int64_t{st.l_mincw31st});
    box[2]->setNumber(st.i_bbet31st);
    box[3]->setNumber(st.i_bbmax31st);
    box[4]->setNumber(st.i_cnt31st);
    box[5]->setNumber(int64_t{st.i_cntmax31st});
}

}  // namespace edge
