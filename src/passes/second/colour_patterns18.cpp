#include "passes/second/colour_patterns18.h"

#include <algorithm>
#include <string>

#include "forms/amounts.h"
#include "forms/convert.h"
#include "panels/frm5help.h"
#include "passes/second/systems.h"
#include "routines/classify.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

namespace passes {

namespace {

bool isColour(int c) { return c == 1 || c == 2; }

Advice18 adviceFor(int colour) {
    return colour == 1 ? Advice18::Red : colour == 2 ? Advice18::Black : Advice18::Keep;
}

// The statistics: a run is measured and counted when the other pattern takes a step.
void patterns(state::Sys18thState& st, const Colour18Input& in) {
    if (in.newest == NoSpin || in.previous == NoSpin) return;
    if (in.newest == 0) {
        st.i_18string = 1;
        st.i_18zig = 1;
        return;
    }
    if (in.newest == in.previous) {
        if (!in.minZig) return;
        ++st.i_18string;
        ++st.i_18lastnonzig;
        st.i_18lastnonstring = 0;
        st.i_18maxlenzig = std::max(st.i_18maxlenzig, st.i_18zig);
        if (st.i_18zig >= *in.minZig) ++st.i_18cntallzig;
        st.i_18zig = 1;
    } else {
        if (!in.minString) return;
        ++st.i_18zig;
        ++st.i_18lastnonstring;
        st.i_18lastnonzig = 0;
        st.i_18maxlenstring = std::max(st.i_18maxlenstring, st.i_18string);
        if (st.i_18string >= *in.minString) ++st.i_18cntallstring;
        st.i_18string = 1;
    }
}

// Sum of the first three elements, or of all when there are fewer.
int64_t headSum(const std::vector<int64_t>& list) {
    int64_t sum = 0;
    for (size_t i = 0; i < list.size() && i < 3; ++i) sum = forms::satAdd(sum, list[i]);
    return sum;
}

void restart(state::Sys18thState& st, int64_t base) {
    st.l_18thlist.assign(1, base);
    st.l_18thbbet = base;
    st.b_fwin = false;
}

// The list after a win; false when it has to restart and the base bet is not a number.
bool afterWin(state::Sys18thState& st, const Colour18Input& in) {
    auto& list = st.l_18thlist;
    const size_t drop = st.b_fwin ? 3 : 1;
    if (list.size() <= drop) {
        if (!in.baseBet) return false;
        restart(st, *in.baseBet);
        return true;
    }
    st.b_fwin = true;
    list.erase(list.begin(), list.begin() + static_cast<std::ptrdiff_t>(drop));
    st.l_18thbbet = headSum(list);
    return true;
}

}  // namespace

Colour18Result colourPatterns18(state::Sys18thState& st, const Colour18Input& in) {
    patterns(st, in);

    Colour18Result r;
    if (in.newest == NoSpin) return r;
    if (in.previous == NoSpin) {  // the first spin
        if (in.newest == 0) {
            st.l_18thlist.assign(1, 0);
            r.advice = Advice18::White;
            r.listChanged = true;
        } else if (in.baseBet) {
            restart(st, *in.baseBet);
            r.advice = adviceFor(in.newest);
            r.listChanged = true;
        }
        return r;
    }
    if (!isColour(in.previous)) {
        r.advice = Advice18::White;
        return r;
    }
    // A base bet typed below zero still stakes: a win raises the result by the stake's size and a
    // loss lowers it.
    const int64_t size = st.l_18thbbet < 0 ? forms::satNeg(st.l_18thbbet) : st.l_18thbbet;
    if (in.newest == in.previous) {
        st.l_cwin18 = forms::satAdd(st.l_cwin18, size);
        r.listChanged = afterWin(st, in);
        r.advice = adviceFor(in.previous);
    } else {
        st.l_18thlist.push_back(st.l_18thbbet);
        st.l_cwin18 = forms::satSub(st.l_cwin18, size);
        st.l_18thbbet = headSum(st.l_18thlist);
        r.listChanged = true;
        r.advice = adviceFor(in.lossColour);
    }
    return r;
}

void eighteenthColourPatterns(Session& s) {
    auto& hist = s.frm1basic().Text1;
    auto& p = s.frm5help();
    auto& st = s.st;

    auto colourOf = [](const std::string& t) { return t.empty() ? NoSpin : routines::br_check18th(t); };
    Colour18Input in;
    in.newest = colourOf(hist[1].text());
    in.previous = colourOf(hist[2].text());
    in.minZig = forms::toInt(p.Text1[8].text());
    in.minString = forms::toInt(p.Text1[10].text());
    in.baseBet = forms::toInt(p.Text1[7].text());
    for (int row = 1; row <= 28; ++row) {
        const std::string& t = hist[row].text();
        if (t == "0") continue;
        in.lossColour = colourOf(t);
        break;
    }

    const Colour18Result r = colourPatterns18(st, in);

    p.Text1[14].setNumber(st.i_18zig);
    p.Text1[15].setNumber(st.i_18string);
    p.Text1[2].setNumber(st.i_18cntallzig);
    p.Text1[3].setNumber(st.i_18cntallstring);
    p.Text1[5].setNumber(st.i_18maxlenzig);
    p.Text1[6].setNumber(st.i_18maxlenstring);
    p.Text1[11].setNumber(st.i_18lastnonzig);
    p.Text1[12].setNumber(st.i_18lastnonstring);

    auto& advice = p.Text1[4];
    switch (r.advice) {
        case Advice18::Keep: break;
        case Advice18::White: advice.setText("W"); break;
        case Advice18::Red:
            advice.setText("R");
            advice.setBackColor(forms::colors::Red);
            break;
        case Advice18::Black:
            advice.setText("B");
            advice.setBackColor(forms::colors::Black);
            advice.setForeColor(forms::colors::White);  // keeps the letter readable on black
            break;
    }

    p.Text1[13].setNumber(st.l_18thbbet);
    p.Text1[16].setNumber(st.l_cwin18);
    if (r.listChanged) {
        std::string list;
        char buf[forms::NumTextMax];
        for (int64_t v : st.l_18thlist) list.append(buf, forms::numTextTo(buf, v));
        p.Text1[9].setText(list);
    }
}

}  // namespace passes
