// The 23rd Neuron net's signal: six accounts on the pairs of doubles 11, 22 and 33. Each counts
// how often its pair came back to back and, once seen, books a simulated bet on the pair.
#pragma once

#include <cstdint>

class Session;

namespace fast {

struct NeuronAccount {
    int64_t count = 0;   // the pair seen back to back
    int64_t result = 0;  // the account's result in units
    bool operator==(const NeuronAccount&) const = default;
};

struct NeuronAccounts {
    NeuronAccount a3311, a3322, a2211, a3333, a2222, a1111;
    bool operator==(const NeuronAccounts&) const = default;
};

// One spin fnum after snum at stake bb: the three accounts holding fnum book +36 x bb when snum is
// their other double (then count it), -bb when snum is no double; nothing for any other fnum.
NeuronAccounts sign23rd(NeuronAccounts acc, int64_t fnum, int64_t snum, int64_t bb);

// The same on the session's i_3311 .. i_cw1111 at stake i_bb23.
void sign23rd(Session& s, int64_t fnum, int64_t snum);

}  // namespace fast
