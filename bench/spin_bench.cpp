// Time of one accepted spin through the real entry road (write the entry box, press Enter) with
// every system switched on, every window loaded and the history full, headless; and a run of
// 10,000 spins followed by the one repaint a view does.
//
// `advisor_bench --spins=N` instead runs N such spins once and exits, for instruction counts:
//   valgrind --tool=callgrind advisor_bench --spins=10000   minus the same with --spins=0.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>

#include "forms/convert.h"
#include "panels/frm3hgf.h"
#include "panels/frm4about.h"
#include "panels/frm5help.h"
#include "panels/frm6fast.h"
#include "panels/frm7tch.h"
#include "panels/frm8edge.h"
#include "settings/frm2opti.h"
#include "settings/settings.h"
#include "shell/frm1basic.h"
#include "shell/session.h"

namespace {

void spin(Session& s, int n) {
    auto& box = s.frm1basic().SpinEntryBox();
    box.setText(forms::numText(n));
    box.pressEnter();
}

// The 17th Waves run while four numbers are picked; a profit clears the picks.
void pickWaves(Session& s) {
    auto& hgf = s.frm3hgf();
    if (hgf.WaveBoxes(3).text() != "N") return;
    for (int n : {7, 17, 27, 35}) hgf.Text1[n].click();
}

// Every "Sys del:" and "Active Y/N" box, the main window's switches and "2NB prog", the FAST
// panel's "Start Game", the TCh switch row and the six Edge progressions; every window loaded.
void everySystemOn(Session& s) {
    using settings::Switch;
    s.start();
    auto& f = s.frm1basic();
    s.frm3hgf();
    s.frm4about();
    s.frm5help();
    auto& o = s.frm2opti();
    for (Switch w : {Switch::Reset3rd, Switch::Reset4th, Switch::Reset5th, Switch::Reset6th, Switch::HgfActive,
                     Switch::ResetGeneral, Switch::Reset8th, Switch::NinthActive, Switch::FastActive,
                     Switch::DorvikActive, Switch::FiboActive, Switch::ShotwellActive, Switch::Cycle16Active})
        o.Check2[static_cast<int>(w)].setValue(1);
    for (forms::Control* c : {&f.Check1, &f.Check2, &f.Check3}) c->setValue(1);
    if (f.Label9.foreColor() != forms::colors::Green) f.Label9.click();
    s.frm6fast().Check1.setValue(1);
    auto& tch = s.frm7tch();
    if (tch.Label1[tchbox::SwitchLabel].backColor() != forms::colors::Green) tch.Label1[tchbox::SwitchLabel].click();
    auto& edge = s.frm8edge();
    for (int i = 0; i <= 5; ++i)
        if (auto* sw = edge.Label2.find(i); sw && sw->backColor() != forms::colors::Green) sw->click();
    s.frm3hgf().Label4.forEach([](forms::Control& c) { c.click(); });  // the six-line switches
    pickWaves(s);
}

// A session in play: every system on and the history full.
void prepare(Session& s) {
    everySystemOn(s);
    std::uniform_int_distribution<int> wheel(0, 36);
    for (int i = 0; i < 40; ++i) spin(s, wheel(s.rng()));
    for (auto* f : s.loadedForms()) f->takeDirty();
}

void BM_Spin(benchmark::State& state) {
    Session s{42};
    prepare(s);
    std::uniform_int_distribution<int> wheel(0, 36);
    std::vector<forms::Control*> dirty;
    int64_t n = 0;
    for (auto _ : state) {
        spin(s, wheel(s.rng()));
        pickWaves(s);
        // Repaint now and then, as a view would, so the dirty lists stay realistic.
        if (++n % 64 == 0)
            for (auto* f : s.loadedForms()) f->takeDirty(dirty);
    }
}
BENCHMARK(BM_Spin);

void BM_TenThousandSpinsThenRepaint(benchmark::State& state) {
    for (auto _ : state) {
        Session s{42};
        prepare(s);
        std::uniform_int_distribution<int> wheel(0, 36);
        for (int i = 0; i < 10000; ++i) spin(s, wheel(s.rng()));
        size_t repainted = 0;
        for (auto* f : s.loadedForms()) repainted += f->takeDirty().size();
        benchmark::DoNotOptimize(repainted);
    }
}
BENCHMARK(BM_TenThousandSpinsThenRepaint)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--spins=", 8) == 0) {
            const long n = std::strtol(argv[i] + 8, nullptr, 10);
            Session s{42};
            prepare(s);
            std::uniform_int_distribution<int> wheel(0, 36);
            for (long k = 0; k < n; ++k) {
                spin(s, wheel(s.rng()));
                pickWaves(s);
            }
            return 0;
        }
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
