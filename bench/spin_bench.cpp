// Time of one accepted spin through the real entry road (write the entry box, press Enter) with
// the history full, headless; and a run of 10,000 spins followed by the one repaint a view does.
#include <benchmark/benchmark.h>

#include "forms/convert.h"
#include "panels/frm3hgf.h"
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

void BM_Spin(benchmark::State& state) {
    Session s{42};
    std::uniform_int_distribution<int> wheel(0, 36);
    for (int i = 0; i < 40; ++i) spin(s, wheel(s.rng()));
    for (auto _ : state) spin(s, wheel(s.rng()));
    for (auto* f : s.loadedForms()) f->takeDirty();
}
BENCHMARK(BM_Spin);

// Every system switch on (the Test log off), four waves picked.
void switchEverythingOn(Session& s) {
    auto& f = s.frm1basic();
    for (forms::Control* c : {&f.Check1, &f.Check2, &f.Check3}) c->setValue(1);
    f.Label9.click();
    auto& o = s.frm2opti();
    for (int i = 0; i < settings::SwitchCount; ++i)
        if (i != static_cast<int>(settings::Switch::TestsFileFlag)) o.Check2[i].setValue(1);
    o.Check1[1].setValue(1);
    s.frm3hgf().Label4.forEach([](forms::Control& c) { c.click(); });
    s.frm6fast().Check1.setValue(1);
    s.frm7tch().Check1.setValue(1);
    s.frm7tch().Label1[21].click();
    s.frm8edge().Label2.forEach([](forms::Control& c) { c.click(); });
}

void BM_SpinEverythingOn(benchmark::State& state) {
    Session s{42};
    switchEverythingOn(s);
    std::uniform_int_distribution<int> wheel(0, 36);
    for (int i = 0; i < 40; ++i) spin(s, wheel(s.rng()));
    auto& waves = s.frm3hgf();
    for (auto _ : state) {
        if (waves.WaveBoxes(3).text() == "N") {
            state.PauseTiming();
            for (int n : {7, 17, 27, 35}) waves.Text1[n].click();
            state.ResumeTiming();
        }
        spin(s, wheel(s.rng()));
    }
    for (auto* f : s.loadedForms()) f->takeDirty();
}
BENCHMARK(BM_SpinEverythingOn);

void BM_TenThousandSpinsThenRepaint(benchmark::State& state) {
    for (auto _ : state) {
        Session s{42};
        std::uniform_int_distribution<int> wheel(0, 36);
        for (int i = 0; i < 10000; ++i) spin(s, wheel(s.rng()));
        size_t repainted = 0;
        for (auto* f : s.loadedForms()) repainted += f->takeDirty().size();
        benchmark::DoNotOptimize(repainted);
    }
}
BENCHMARK(BM_TenThousandSpinsThenRepaint)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
