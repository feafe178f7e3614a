#include "forms/convert.h"
#include "panels/frm3hgf.h"
#include "panels/frm6fast.h"
#include "passes/first/hgf_statistics.h"
#include "passes/second/hgf_number_list.h"
#include "passes/second/systems.h"
#include "passes/second/twins25.h"
#include "shell/session.h"

namespace passes {

namespace twins {

Choice choose(const std::vector<std::string>& items, int lo, int hi) {
    Choice c{"-1", "-1"};
    std::optional<int> twin;
    for (size_t k = 1; k <= 8; ++k) {
        const auto v = forms::toInt(items[k]);
        if (v && *v >= lo && *v <= hi) {
            c.twin1 = items[k];
            twin = *v;
            break;
        }
    }
    for (size_t k = 2; k <= 9; ++k) {
        const auto v = forms::toInt(items[k]);
        if (v && *v >= lo && *v <= hi && (!twin || *v != *twin)) {
            c.seed2 = items[k];
            break;
        }
    }
    return c;
}

bool dozenRule(const Sixths& f, int dozen) {
    for (int k = 0; k < 6; ++k) {
        const bool own = k / 2 == dozen;
        if (own ? f[static_cast<size_t>(k)] < 1 : f[static_cast<size_t>(k)] >= 2) return false;
    }
    return true;
}

std::optional<Choice> derive(const std::vector<std::string>& items, const Sixths& f, int firstDozen, int lastDozen) {
    if (items.size() < 10) return std::nullopt;
    for (size_t k = 1; k <= 9; ++k)
        if (!forms::toInt(items[k])) return std::nullopt;
    static constexpr int Lo[] = {0, 13, 25}, Hi[] = {12, 24, 35};
    std::optional<Choice> out;
    for (int d = firstDozen; d <= lastDozen; ++d)
        if (dozenRule(f, d)) out = choose(items, Lo[d], Hi[d]);
    return out;
}

std::optional<Sixths> sixths(Session& s) {
    Sixths f{};
    auto& hgf = s.frm3hgf();
    const auto& kept = s.st.SixLineValue;
    for (int k = 0; k < 6; ++k) {
        const std::string& t = hgf.Text5[k].text();
        // The text the 11th wrote from its own figure reads back as that figure: no parse.
        const double known = kept[static_cast<size_t>(k)];
        const double scaled = known * 100;
        if (scaled >= 0 && scaled < 65536) {
            const auto h = static_cast<size_t>(scaled + 0.5);
            const auto& texts = passes::hgf::detail::keptTexts;
            if (static_cast<double>(h) / 100.0 == known && h < texts.size() && !texts[h].empty() && t == texts[h]) {
                f[static_cast<size_t>(k)] = known;
                continue;
            }
        }
        const auto v = forms::toDouble(t);
        if (!v) return std::nullopt;
        f[static_cast<size_t>(k)] = *v;
    }
    return f;
}

// Writes a choice into twin 1 and seed 2; both instances are idle after it.
void apply(Session& s, const std::optional<Choice>& c) {
    if (!c) return;
    auto& f = s.frm6fast();
    f.Text4[73].setText(c->twin1);
    f.Text4[77].setText(c->seed2);
    s.st.i_25cntplay = -1;
    s.st.i_25cntplay2 = -1;
}

}  // namespace twins

// The second and third dozens' rules of the derivation.
void Command7_Click(Session& s) {
    const auto f = twins::sixths(s);
    if (!f) return;
    std::vector<std::string> scratch;
    twins::apply(s, twins::derive(hgfNumberItems(s, scratch), *f, 1, 2));
}

}  // namespace passes
