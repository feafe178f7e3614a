#include "settings/settings.h"

#include <algorithm>

#include "forms/convert.h"
#include "settings/frm2opti.h"
#include "shell/session.h"

namespace settings {

namespace {

constexpr int HistoryRows = 28;

}  // namespace

const std::string& text(Session& s, Box b) { return s.frm2opti().Text1[static_cast<int>(b)].text(); }

std::optional<int32_t> integer(Session& s, Box b) { return forms::toInt(text(s, b)); }

std::optional<double> number(Session& s, Box b) { return forms::toDouble(text(s, b)); }

std::optional<int32_t> historyRows(Session& s, Box b) {
    auto v = integer(s, b);
    if (!v) return std::nullopt;
    return std::clamp(*v, 0, HistoryRows);
}

bool on(Session& s, Switch w) { return s.frm2opti().Check2[static_cast<int>(w)].value() == 1; }

bool progressionChoice(Session& s, int k) {
    const auto* c = s.frm2opti().Check1.find(k);
    return c && c->value() == 1;
}

EighthAdv eighthAdvSchedule(Session& s) {
    auto& f = s.frm2opti();
    for (int i = 0; i < 3; ++i)
        if (f.Option1[i].value() != 0) return static_cast<EighthAdv>(i);
    return EighthAdv::None;
}

bool hgfDisadvEnabled(Session& s) { return s.frm2opti().Option2[0].value() != 0; }

}  // namespace settings
