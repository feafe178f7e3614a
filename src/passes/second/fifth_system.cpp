#include "passes/second/fifth_system.h"

#include <limits>

#include "forms/convert.h"
#include "routines/state_value.h"
#include "routines/trackers.h"
#include "passes/second/systems.h"
#include "settings/settings.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

namespace passes {

namespace colors = forms::colors;

namespace {

std::optional<int64_t> nextCount(std::string_view count) {
    const auto v = forms::toInt(count);
    if (!v || *v == std::numeric_limits<int32_t>::max()) return std::nullopt;
    return int64_t{*v} + 1;
}

}  // namespace

std::optional<std::string> countedUp(std::string_view count) {
    const auto next = nextCount(count);
    if (!next) return std::nullopt;
    return forms::numText(*next);
}

FifthSignal fifthSignal(std::string_view noRepeat, std::string_view repeat, std::string_view noRepeatCount) {
    const auto r = forms::toInt(repeat);
    if (!r) return FifthSignal::None;
    if (*r == 0 && noRepeat == noRepeatCount) return FifthSignal::Green;
    return *r != 0 ? FifthSignal::Black : FifthSignal::None;
}

namespace {

// The text is formatted here rather than left to setNumber: the signal reads it right after.
void count(forms::Control& box) {
    const auto next = nextCount(box.text());
    if (!next) return;
    char buf[forms::NumTextMax];
    box.setText(std::string_view(buf, forms::numTextTo(buf, *next)));
}

}  // namespace

void fifthSystem(Session& s) {
    auto& f = s.frm1basic();
    auto& st = s.st;
    const bool twoSpins = !f.Text1[1].text().empty() && !f.Text1[2].text().empty();

    // The flags of a pair hold the event of this spin only.
    st.l_red = 0;
    st.l_black = 0;
    st.l_low = 0;
    st.l_high = 0;
    st.l_odd = 0;
    st.l_even = 0;
    if (twoSpins) {
        // The three trackers book the same rows: read once. Rows 2 and 1 must be numbers; an
        // empty row 3, or one that is no number, is on no side.
        const auto s1 = forms::toInt(f.Text1[2].text());
        const auto s2 = forms::toInt(f.Text1[1].text());
        if (s1 && s2) {
            const int64_t row3 = forms::toInt(f.Text1[3].text()).value_or(0);
            const bool same = f.Text1[2].foreColor() == f.Text1[3].foreColor();
            auto book = [](auto& a, auto& b, routines::EvenChancePair after) {
                routines::setIfChanged(a, after.a);
                routines::setIfChanged(b, after.b);
            };
            using routines::asInt;
            book(st.l_red, st.l_black,
                 routines::br_check({asInt(st.l_red), asInt(st.l_black)}, *s1, *s2, row3, same));
            book(st.l_low, st.l_high, routines::hl_check({asInt(st.l_low), asInt(st.l_high)}, *s1, *s2, row3));
            book(st.l_odd, st.l_even, routines::oe_check({asInt(st.l_odd), asInt(st.l_even)}, *s1, *s2, row3));
        }
    }
    const std::array<int64_t, 6> flags = {routines::asInt(st.l_red), routines::asInt(st.l_black),
                                          routines::asInt(st.l_low), routines::asInt(st.l_high),
                                          routines::asInt(st.l_odd), routines::asInt(st.l_even)};

    const std::string& target = settings::text(s, settings::Box::NoRepeatCount);
    for (size_t k = 0; k < FifthChanceBoxes.size(); ++k) {
        forms::Control& noRepeat = f.Text11[FifthChanceBoxes[k].noRepeat];
        forms::Control& repeat = f.Text11[FifthChanceBoxes[k].repeat];
        if (flags[k] == 1) count(noRepeat);
        if (flags[k] == 2) count(repeat);

        switch (fifthSignal(noRepeat.text(), repeat.text(), target)) {
            case FifthSignal::Green: {
                noRepeat.setBackColor(colors::Green);
                // The even chance asks for list 1 first, the others for list 2.
                const int first = k == 5 ? 0 : 1;
                for (int choice : {first, 1 - first}) {
                    if (!settings::progressionChoice(s, choice)) continue;
                    f.Text12.setText(settings::text(s, choice == 0 ? settings::Box::ProgressionListA
                                                                   : settings::Box::ProgressionListB));
                    break;
                }
                break;
            }
            case FifthSignal::Black: noRepeat.setBackColor(colors::Black); break;
            case FifthSignal::None: break;
        }
    }
}

}  // namespace passes
