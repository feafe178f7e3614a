#include "fast/neuron23.h"

#include "forms/amounts.h"
#include "routines/state_value.h"
#include "shell/session.h"

namespace fast {

namespace {

bool isDouble(int64_t n) { return n == 11 || n == 22 || n == 33; }

NeuronAccount& account(NeuronAccounts& acc, int64_t x, int64_t y) {
    const int64_t lo = x < y ? x : y, hi = x < y ? y : x;
    if (lo == hi) return lo == 33 ? acc.a3333 : lo == 22 ? acc.a2222 : acc.a1111;
    if (hi == 33) return lo == 11 ? acc.a3311 : acc.a3322;
    return acc.a2211;
}

}  // namespace

NeuronAccounts sign23rd(NeuronAccounts acc, int64_t fnum, int64_t snum, int64_t bb) {
    if (!isDouble(fnum)) return acc;
    for (int64_t other : {33, 11, 22}) {
        NeuronAccount& a = account(acc, other, fnum);
        if (snum == other) {
            if (a.count >= 1) a.result = forms::satAdd(a.result, forms::satMul(36, bb));
            ++a.count;
        } else if (!isDouble(snum) && a.count >= 1) {
            a.result = forms::satSub(a.result, bb);
        }
    }
    return acc;
}

void sign23rd(Session& s, int64_t fnum, int64_t snum) {
    using routines::asInt;
    using routines::setIfChanged;
    auto& st = s.st;
    auto read = [](const auto& count, const auto& result) { return NeuronAccount{asInt(count), asInt(result)}; };
    const NeuronAccounts before{read(st.i_3311, st.i_cw3311), read(st.i_3322, st.i_cw3322),
                                read(st.i_2211, st.i_cw2211), read(st.i_3333, st.i_cw3333),
                                read(st.i_2222, st.i_cw2222), read(st.i_1111, st.i_cw1111)};
    const NeuronAccounts after = sign23rd(before, fnum, snum, asInt(st.i_bb23));
    auto write = [](auto& count, auto& result, const NeuronAccount& a) {
        setIfChanged(count, a.count);
        setIfChanged(result, a.result);
    };
    write(st.i_3311, st.i_cw3311, after.a3311);
    write(st.i_3322, st.i_cw3322, after.a3322);
    write(st.i_2211, st.i_cw2211, after.a2211);
    write(st.i_3333, st.i_cw3333, after.a3333);
    write(st.i_2222, st.i_cw2222, after.a2222);
    write(st.i_1111, st.i_cw1111, after.a1111);
}

}  // namespace fast
